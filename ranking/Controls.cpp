#include "ranking/Controls.h"

#include "ranking/TypedText.h"
#include "text/Utf8.h"

namespace ranking {

void TEdit::TypeOver(std::string_view typed) {
    Text = text::encodeUtf8(admitTyped(text::decodeUtf8(typed), MaxLength));
}

}  // namespace ranking
