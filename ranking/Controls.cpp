#include "ranking/Controls.h"

#include "ranking/TypedText.h"
#include "text/Placeholders.h"
#include "text/Translation.h"
#include "text/Utf8.h"

namespace ranking {

void TEdit::TypeOver(std::string_view typed) {
    const std::u32string characters = text::decodeUtf8(typed);
    Refused = firstUnsendable(characters);
    Text = text::encodeUtf8(admitTyped(characters, MaxLength));
}

std::string refusalLine(const TEdit& edit) {
    if (!edit.Refused) {
        return "";
    }
    return text::filled(text::tr("「%s」はランキングに送れない文字なので入力できません。"),
                        {text::encodeUtf8(std::u32string(1, *edit.Refused))});
}

}  // namespace ranking
