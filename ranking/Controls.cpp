#include "ranking/Controls.h"

#include "ranking/TypedText.h"
#include "ranking/Utf8.h"

namespace ranking {

void TEdit::TypeOver(std::string_view typed) {
    Text = EncodeUtf8(AdmitTyped(DecodeUtf8(typed), MaxLength));
}

}  // namespace ranking
