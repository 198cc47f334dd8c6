#include "ranking/Controls.h"

#include "ranking/TypedText.h"
#include "text/Utf8.h"

namespace ranking {

void TEdit::TypeOver(std::string_view typed) {
    Text = text::EncodeUtf8(AdmitTyped(text::DecodeUtf8(typed), MaxLength));
}

}  // namespace ranking
