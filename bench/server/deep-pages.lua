-- wrk: each request asks for a random page of a ranking of about a million entries.
local pages = 10000

function init(args)
    pages = tonumber(args[2] or pages)
    math.randomseed(os.time() + math.floor(os.clock() * 1e6))
end

function request()
    return wrk.format("GET", wrk.path .. "?command=view&page=" .. math.random(2, pages))
end
