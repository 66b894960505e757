-- Phase b: logins of a few accounts (BENCH_ACCOUNTS, default 4). With
-- BENCH_WRONG_PASSWORD set every login is refused, so each one costs a
-- password hash check.
local dir = debug.getinfo(1, "S").source:match("^@(.*/)") or "./"
dofile(dir .. "common.lua")

local wrong = os.getenv("BENCH_WRONG_PASSWORD")

function next_request(i, t)
  local nick, pw = account(i + t)
  if wrong then pw = wrong end
  return "/AccountService", "nick=" .. nick .. "&&pw=" .. pw .. "&&label0=0"
end

if wrong then accept = is_no else accept = starts_dollar end
