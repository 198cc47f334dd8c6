-- wrk: each request submits a distinct genuine entry. Its argument is the submission's target
-- from ranking-request, with {name}, {score}, {level}, {blocks} and {check} to fill in.
-- id is a global: setup() gives each thread its own before the thread runs.
local counter = 0
local entry
id = 0
local thread_count = 0

function setup(thread)
    thread:set("id", thread_count)
    thread_count = thread_count + 1
end

function init(args)
    entry = assert(args[1], "the submission's target is missing")
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
    return wrk.format("GET", (entry:gsub("{(%a+)}", values)))
end
