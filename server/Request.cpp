#include "server/Request.h"

namespace server {

Response textResponse(int status, const std::string& text) {
    return {
        status, "text/plain; charset=utf-8", std::make_shared<const std::string>(text + "\n"), {}};
}

}  // namespace server
