-- wrk: each request submits a distinct genuine entry (score − level − blocks = check value).
-- id is a global: setup() gives each thread its own before the thread runs.
local counter = 0
id = 0
local thread_count = 0

function setup(thread)
    thread:set("id", thread_count)
    thread_count = thread_count + 1
end

function request()
    counter = counter + 1
    local score = 1000 + counter
    return wrk.format("GET", wrk.path .. "?command=entry&name=w" .. id .. "n" .. counter ..
        "&score=" .. score .. "&level=1&tama=0&pass_s=" .. (score - 1) .. "&comment=bench")
end
