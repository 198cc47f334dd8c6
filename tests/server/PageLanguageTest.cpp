// The page's language: the browser's preference read from Accept-Language, the query's lang
// over it and kept in the links, and the JSON the same in both.

#include <gtest/gtest.h>

#include "server/PageLanguage.h"
#include "tests/server/RankingServiceFixture.h"

namespace {

using namespace servertest;

TEST(PageLanguageTest, TheBrowsersMostWantedLanguageDecides) {
    const struct {
        const char* header;
        Language expected;
    } cases[] = {
        {"", Language::Japanese},
        {"*", Language::Japanese},
        {"ja", Language::Japanese},
        {"ja-JP,ja;q=0.9,en;q=0.8", Language::Japanese},
        {"en-US,en;q=0.9", Language::English},
        {"fr-CH, fr;q=0.9, en;q=0.8", Language::English},
        {"en;q=0.5, JA;q=0.7", Language::Japanese},
        {"ja;q=0.3, de", Language::English},
        {"jav, ja;q=0.1", Language::English},  // Javanese is not Japanese
        {"en;q=zero, ja;q=0.2", Language::Japanese},
        {" , ;q=1, ", Language::Japanese},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(preferredLanguage(c.header), c.expected) << c.header;
    }
}

class PageInLanguageTest : public RankingServiceFixture {
  protected:
    std::string page(const std::string& query, const std::string& acceptLanguage) {
        std::promise<Response> answered;
        Request request{"GET", Page + query, "192.0.2.1"};
        request.acceptLanguage = acceptLanguage;
        service_.handle(request, [&answered](Response response) { answered.set_value(response); });
        return *answered.get_future().get().body;
    }
};

TEST_F(PageInLanguageTest, TheQueryOverridesTheBrowserAndStaysInTheLinks) {
    const std::string english = page("", "en-US,en;q=0.9");
    EXPECT_NE(english.find("<html lang=\"en\">"), std::string::npos);
    EXPECT_NE(english.find("<h1>All-time ranking</h1>"), std::string::npos);
    EXPECT_NE(english.find("page=1&amp;verified=1\">✔ Verified only</a>"), std::string::npos);
    EXPECT_NE(english.find("&amp;lang=ja\">日本語</a>"), std::string::npos);

    const std::string japanese = page("?lang=ja", "en-US");
    EXPECT_NE(japanese.find("<h1>歴代ランキング</h1>"), std::string::npos);
    EXPECT_NE(japanese.find("&amp;verified=1&amp;lang=ja\">✔ 確認済みのみ</a>"), std::string::npos);
    EXPECT_EQ(page("?lang=ja", ""), japanese) << "the cached first page keeps its language";
    EXPECT_NE(page("?command=json", "en"), "");
    EXPECT_EQ(page("?command=json", "en"), page("?command=json", "ja"));
    EXPECT_NE(page("?lang=fr", "").find("\"lang\" is ja or en."), std::string::npos);
}

}  // namespace
