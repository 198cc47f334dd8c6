#include "server/PageTexts.h"

namespace server {

namespace {

constexpr PageTexts Japanese{
    "ja",
    "プドロク",
    "歴代ランキング",
    "今週のランキング",
    "今日のランキング",
    " 件",
    "すべて",
    "✔ 確認済みのみ",
    "全期間",
    "今週",
    "今日",
    "English",
    {"順位", "名前", "スコア", "レベル", "ブロック", "確認", "コメント", "日時 (UTC)"},
    "まだ登録はありません。",
    "確認済み: リプレイでこの結果を再現",
    "未確認: リプレイなしで登録",
    "リプレイ",
    "送信ありがとうございました",
    "ハイスコアの申請ありがとうございました。",
    "登録済みです",
    "この結果はすでに登録されています。",
    "ランキングを見る",
};

constexpr PageTexts English{
    "en",
    "Pudorock",
    "All-time ranking",
    "This week's ranking",
    "Today's ranking",
    " entries",
    "All",
    "✔ Verified only",
    "All time",
    "This week",
    "Today",
    "日本語",
    {"Rank", "Name", "Score", "Level", "Blocks", "Check", "Comment", "Date (UTC)"},
    "No entries yet.",
    "Verified: its replay reaches this result",
    "Unverified: sent without a replay",
    "Replay",
    "Thank you",
    "Thank you for sending your high score.",
    "Already stored",
    "This result is already on the ranking.",
    "See the ranking",
};

}  // namespace

const PageTexts& pageTexts(Language language) {
    return language == Language::English ? English : Japanese;
}

}  // namespace server
