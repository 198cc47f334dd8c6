#include "server/RankingService.h"

#include <charconv>
#include <utility>

#include "protocol/RankingProtocol.h"
#include "server/RankingHtml.h"
#include "server/RankingJson.h"
#include "server/Refusal.h"
#include "server/ReplayCheck.h"
#include "server/Submission.h"

namespace server {

namespace {

// Ours, beside the dialog's commands: the page as data.
constexpr std::string_view JsonCommand = "json";

std::string_view fieldOr(const QueryFields& fields, std::string_view key,
                         std::string_view otherwise) {
    const auto found = fields.find(key);
    return found == fields.end() ? otherwise : std::string_view(found->second);
}

std::int64_t positiveNumber(const QueryFields& fields, std::string_view key,
                            std::string_view otherwise, const char* meaning) {
    const std::string_view text = fieldOr(fields, key, otherwise);
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1) {
        throw Refusal(400, "\"" + std::string(key) + "\" is not " + meaning + ".");
    }
    return number;
}

// The query's lang, else the browser's choice.
Language languageOf(const QueryFields& fields, const Request& request) {
    const auto named = fields.find(protocol::field::Language);
    if (named == fields.end()) {
        return preferredLanguage(request.acceptLanguage);
    }
    if (const auto language = languageNamed(named->second)) {
        return *language;
    }
    throw Refusal(400, "\"" + std::string(protocol::field::Language) + "\" is ja or en.");
}

PageQuery pageQueryOf(const QueryFields& fields, const Request& request) {
    const std::int64_t number = positiveNumber(fields, protocol::field::Page, "1", "a page number");
    const std::string_view verified = fieldOr(fields, protocol::field::Verified, "0");
    if (verified != "0" && verified != "1") {
        throw Refusal(400, "\"" + std::string(protocol::field::Verified) + "\" is 0 or 1.");
    }
    return {static_cast<int>(std::min<std::int64_t>(number, INT32_MAX)), verified == "1",
            periodNamed(fieldOr(fields, protocol::field::Period, "all")),
            languageOf(fields, request), fields.contains(protocol::field::Language)};
}

Response methodNotAllowed(std::string_view allowed) {
    Response response = textResponse(405, "This method is not allowed here.");
    response.headers.emplace_back("Allow", allowed);
    return response;
}

Response placed(const SubmissionWriter::Placement& placement,
                std::shared_ptr<const std::string> page) {
    Response response{200, "text/html; charset=utf-8", std::move(page), {}};
    response.headers.emplace_back(protocol::RankHeader, std::to_string(placement.rank));
    response.headers.emplace_back(protocol::EntryIdHeader, std::to_string(placement.entry.key.id));
    return response;
}

Response replayFile(std::int64_t id, std::string bytes) {
    Response response{200,
                      std::string(protocol::ReplayContentType),
                      std::make_shared<const std::string>(std::move(bytes)),
                      {}};
    response.headers.emplace_back(
        "Content-Disposition", "attachment; filename=\"pudorock-" + std::to_string(id) + ".pdrp\"");
    return response;
}

}  // namespace

RankingService::Notices RankingService::noticesIn(Language language) {
    return {std::make_shared<const std::string>(renderThanksHtml(protocol::RankingPath, language)),
            std::make_shared<const std::string>(
                renderAlreadyStoredHtml(protocol::RankingPath, language))};
}

RankingService::RankingService(RankingBackend& backend, RateLimiter& limiter, WallClock wallClock,
                               Settings settings)
    : backend_(backend),
      limiter_(limiter),
      wallClock_(std::move(wallClock)),
      settings_(settings),
      notices_{noticesIn(Language::Japanese), noticesIn(Language::English)} {}

void RankingService::handle(const Request& request, Respond respond) {
    const std::string_view target = request.target;
    const std::size_t question = target.find('?');
    if (target.substr(0, question) != protocol::RankingPath) {
        return respond(textResponse(404, "Nothing is here."));
    }
    if (request.method != "GET" && request.method != "HEAD" && request.method != "POST") {
        return respond(methodNotAllowed("GET, HEAD, POST"));
    }
    try {
        const std::string_view query =
            question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
        dispatch(request, parseQuery(query), respond);
    } catch (const Refusal& refusal) {
        respond(textResponse(refusal.status(), refusal.what()));
    } catch (const StorageError&) {
        respond(textResponse(503, "The ranking cannot be read just now."));
    }
}

void RankingService::dispatch(const Request& request, const QueryFields& fields, Respond& respond) {
    const std::string_view command =
        fieldOr(fields, protocol::field::Command, protocol::ViewCommand);
    if (command == protocol::EntryCommand) {
        if (request.method == "HEAD") {
            return respond(methodNotAllowed("GET, POST"));
        }
        return submit(request, fields, respond);
    }
    if (request.method == "POST") {
        return respond(methodNotAllowed("GET, HEAD"));
    }
    if (command == protocol::ViewCommand || command == JsonCommand) {
        return view(pageQueryOf(fields, request), command == JsonCommand ? Json : Html, respond);
    }
    if (command == protocol::ReplayCommand) {
        return serveReplay(fields, respond);
    }
    throw Refusal(400, "Unknown command.");
}

// respond is taken only once the submission is under way; a refusal before uses it in place.
void RankingService::submit(const Request& request, const QueryFields& fields, Respond& respond) {
    Entry entry = readSubmission(fields);
    const bool withReplay = request.method == "POST";
    if (!withReplay && settings_.requireReplay) {
        throw Refusal(403,
                      "This ranking takes only results sent with their replay; update the "
                      "game to send yours.");
    }
    if (withReplay && request.contentType != protocol::ReplayContentType) {
        throw Refusal(415, "A submission's body is its replay, of type " +
                               std::string(protocol::ReplayContentType) + ".");
    }
    if (const auto wait = limiter_.admit(request.client)) {
        Response response = textResponse(429, "Too many submissions; try again later.");
        response.headers.emplace_back("Retry-After", std::to_string(wait->count()));
        return respond(std::move(response));
    }
    entry.submittedAt = wallClock_();
    const Language language = preferredLanguage(request.acceptLanguage);
    if (!withReplay) {
        return store(std::move(entry), language, std::move(respond));
    }
    entry.replay = request.body;
    check(std::move(entry), language, std::move(respond));
}

// The check runs on a worker; only its verdict comes back to the network thread.
void RankingService::check(Entry entry, Language language, Respond respond) {
    auto job = [this, entry = std::move(entry), language, respond](std::size_t) mutable {
        auto refusal = replayRefusal(entry);
        backend_.deliver([this, entry = std::move(entry), language, respond = std::move(respond),
                          refusal = std::move(refusal)]() mutable {
            if (refusal) {
                return respond(textResponse(422, *refusal));
            }
            entry.verified = true;
            store(std::move(entry), language, std::move(respond));
        });
    };
    if (!backend_.checkers.post(std::move(job))) {
        respond(textResponse(503, "The ranking is checking many games; try again in a moment."));
    }
}

void RankingService::store(Entry entry, Language language, Respond respond) {
    backend_.writer.submit(std::move(entry), [this, language, respond = std::move(respond)](
                                                 std::optional<SubmissionWriter::Placement> place) {
        if (!place) {
            return respond(textResponse(503, "The ranking cannot store entries just now."));
        }
        versionCheckedAt_ = {};
        const Notices& notices = notices_[static_cast<std::size_t>(language)];
        respond(placed(*place, place->entry.added ? notices.thanks : notices.storedBefore));
    });
}

// Asked of SQLite at most every VersionCheckPeriod (and after each of our own writes), so that
// under a crowd a page view costs no system call for it, and a change made by anyone else
// shows within that time.
std::int64_t RankingService::databaseVersion() {
    const auto now = std::chrono::steady_clock::now();
    if (now - versionCheckedAt_ >= VersionCheckPeriod) {
        databaseVersion_ = backend_.watcher.dataVersion();
        versionCheckedAt_ = now;
    }
    return databaseVersion_;
}

void RankingService::view(const PageQuery& query, Format format, Respond& respond) {
    const char* type = format == Json ? "application/json" : "text/html; charset=utf-8";
    const bool cacheable = query.number == 1 && query.period == Period::All;
    const std::int64_t version = databaseVersion();
    if (version != firstPagesVersion_) {
        firstPages_.clear();
        firstPagesVersion_ = version;
    }
    // JSON speaks no language, so it is kept once.
    const CacheKey key{format, query.verifiedOnly,
                       format == Json ? Language::Japanese : query.language,
                       query.languageChosen && format == Html};
    if (const auto cached = firstPages_.find(key); cacheable && cached != firstPages_.end()) {
        return respond({200, type, cached->second, {}});
    }
    auto read = [this, query, format](RankingStore& store) -> Response {
        const RankingPage page = readPage(store, backend_.order, query, wallClock_());
        if (query.number > page.pages) {
            throw Refusal(404, "The ranking has no page " + std::to_string(query.number) + ".");
        }
        return {200,
                "",
                std::make_shared<const std::string>(
                    format == Json ? renderRankingJson(page, protocol::RankingPath)
                                   : renderRankingHtml(page, protocol::RankingPath)),
                {}};
    };
    backend_.readers.read(std::move(read), [this, respond = std::move(respond), type, cacheable,
                                            key, version](Response response) {
        if (response.status == 200) {
            response.contentType = type;
            if (cacheable && version == firstPagesVersion_) {
                firstPages_[key] = response.body;
            }
        }
        respond(std::move(response));
    });
}

void RankingService::serveReplay(const QueryFields& fields, Respond& respond) {
    const std::int64_t id =
        positiveNumber(fields, protocol::field::Id, "", "the number of an entry");
    backend_.readers.read(
        [id](RankingStore& store) {
            auto bytes = store.replay(id);
            if (!bytes) {
                throw Refusal(404, "Entry " + std::to_string(id) + " has no stored replay.");
            }
            return replayFile(id, std::move(*bytes));
        },
        std::move(respond));
}

}  // namespace server
