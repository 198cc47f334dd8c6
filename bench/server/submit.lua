-- wrk: each request submits a distinct genuine entry. Its first argument is the submission's
-- target from ranking-request: "entry" gives {name}, {score}, {level}, {blocks} and {check} to
-- fill in; "replay FILE" gives {name} alone, and the replay file is then the second argument,
-- posted as each request's body so that the server checks and stores it.
-- id is a global: setup() gives each thread its own before the thread runs.
local counter = 0
local entry, replay
id = 0
local thread_count = 0

function setup(thread)
    thread:set("id", thread_count)
    thread_count = thread_count + 1
end

function init(args)
    entry = assert(args[1], "the submission's target is missing")
    if args[2] then
        local file = assert(io.open(args[2], "rb"))
        replay = file:read("a")
        file:close()
    end
end

function request()
    counter = counter + 1
    local score = 1000 + counter
    local level, blocks = 1, 0
    local values = {
        name = "w" .. id .. "n" .. counter,
        score = score,
        level = level,
        blocks = blocks,
        check = score - level - blocks,  -- the check value, while it stays within 32 bits
    }
    local target = entry:gsub("{(%a+)}", values)
    if not replay then
        return wrk.format("GET", target)
    end
    return wrk.format("POST", target, {["Content-Type"] = "application/x-pudorock-replay"}, replay)
end
