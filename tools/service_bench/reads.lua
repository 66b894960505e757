-- Phase a: club table top ten (gid=8) and account top ten, alternately.
local dir = debug.getinfo(1, "S").source:match("^@(.*/)") or "./"
dofile(dir .. "common.lua")

function next_request(i)
  if i % 2 == 0 then return "/RecordsService", "gid=8" end
  return "/AccountService", "tulvekkon=0"
end

accept = starts_dollar
