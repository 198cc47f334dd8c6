#include "server/RankingService.h"

#include <charconv>
#include <utility>

#include "protocol/RankingProtocol.h"
#include "server/RankingHtml.h"
#include "server/RankingJson.h"
#include "server/Refusal.h"
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

int pageNumber(const QueryFields& fields) {
    const std::string_view text = fieldOr(fields, protocol::field::Page, "1");
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1) {
        throw Refusal(400, "\"" + std::string(protocol::field::Page) + "\" is not a page number.");
    }
    return number;
}

Response methodNotAllowed(std::string_view allowed) {
    Response response = textResponse(405, "This method is not allowed here.");
    response.headers.emplace_back("Allow", allowed);
    return response;
}

}  // namespace

RankingService::RankingService(RankingStore& reader, SubmissionWriter& writer, RateLimiter& limiter,
                               WallClock wallClock)
    : reader_(reader),
      writer_(writer),
      limiter_(limiter),
      wallClock_(std::move(wallClock)),
      thanks_(std::make_shared<const std::string>(renderThanksHtml(protocol::RankingPath))) {}

void RankingService::handle(const Request& request, Respond respond) {
    const std::string_view target = request.target;
    const std::size_t question = target.find('?');
    if (target.substr(0, question) != protocol::RankingPath) {
        return respond(textResponse(404, "Nothing is here."));
    }
    if (request.method != "GET" && request.method != "HEAD") {
        return respond(methodNotAllowed("GET, HEAD"));
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
        if (request.method != "GET") {
            return respond(methodNotAllowed("GET"));
        }
        return submit(request, fields, respond);
    }
    if (command == protocol::ViewCommand || command == JsonCommand) {
        return respond(view(fields, command == JsonCommand ? Json : Html));
    }
    throw Refusal(400, "Unknown command.");
}

// respond is taken only once the submission is queued; a refusal before uses it in place.
void RankingService::submit(const Request& request, const QueryFields& fields, Respond& respond) {
    Entry entry = readSubmission(fields);
    if (const auto wait = limiter_.admit(request.client)) {
        Response response = textResponse(429, "Too many submissions; try again later.");
        response.headers.emplace_back("Retry-After", std::to_string(wait->count()));
        return respond(std::move(response));
    }
    entry.submittedAt = wallClock_();
    writer_.submit(std::move(entry), [this, respond = std::move(respond)](bool stored) {
        if (!stored) {
            return respond(textResponse(503, "The ranking cannot store entries just now."));
        }
        firstPage_ = {};
        respond({200, "text/html; charset=utf-8", thanks_, {}});
    });
}

Response RankingService::view(const QueryFields& fields, Format format) {
    const int number = pageNumber(fields);
    return {200,
            format == Json ? "application/json" : "text/html; charset=utf-8",
            render(number, format),
            {}};
}

std::shared_ptr<const std::string> RankingService::render(int number, Format format) {
    if (number == 1 && firstPage_[format]) {
        return firstPage_[format];
    }
    const RankingPage page = reader_.page(number);
    if (number > page.pages) {
        throw Refusal(404, "The ranking has no page " + std::to_string(number) + ".");
    }
    auto rendered = std::make_shared<const std::string>(
        format == Json ? renderRankingJson(page) : renderRankingHtml(page, protocol::RankingPath));
    if (number == 1) {
        firstPage_[format] = rendered;
    }
    return rendered;
}

}  // namespace server
