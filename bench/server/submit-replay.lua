-- wrk: each request posts the same recorded game under a new name, so that each is checked
-- with the game's rules and stored. Its arguments: the submission's target from
-- "ranking-request replay", with {name} to fill in, and the replay file.
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
    local file = assert(io.open(assert(args[2], "the replay file is missing"), "rb"))
    replay = file:read("a")
    file:close()
end

function request()
    counter = counter + 1
    local target = entry:gsub("{name}", "v" .. id .. "n" .. counter)
    return wrk.format("POST", target,
        {["Content-Type"] = "application/x-pudorock-replay"}, replay)
end
