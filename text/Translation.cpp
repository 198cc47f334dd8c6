#include "text/Translation.h"

#include <libintl.h>

namespace text {

namespace {
constexpr const char* Domain = "pudorock";
}

const char* tr(const char* japanese) {
    return dgettext(Domain, japanese);
}

}  // namespace text
