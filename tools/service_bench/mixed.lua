-- Phase c: rated matches. The cycle is game read, game save, game read,
-- game save, top-ten read, statistics; every fifth cycle also submits a
-- club table entry. Each cycle uses the next account.
local dir = debug.getinfo(1, "S").source:match("^@(.*/)") or "./"
dofile(dir .. "common.lua")

local steps = 6

local function game_read(nick, pw)
  return "/AccountService", "nick=" .. nick .. "&&pw=" .. pw .. "&&tulvekbest=0"
end

local function game_save(nick, pw, c)
  local rating = string.format("%.1f", 10 + (c % 90) / 10)
  return "/AccountService", "nick=" .. nick .. "&pw=" .. pw .. "&tulvekkon=" .. (c % 7 + 1) ..
    "&tulvekbest=0&tulvekrating=" .. rating .. "&tulvekses=0&tulvekkonl=3&tulvekscore=" .. (c % 200) ..
    "&tulvekR1=0&tulvekR2=x"
end

function next_request(i, t)
  local cycle = math.floor(i / (steps + 1))
  local step = i % (steps + 1)
  local nick, pw = account(cycle * 7 + t)
  if step == 0 or step == 2 then return game_read(nick, pw) end
  if step == 1 or step == 3 then return game_save(nick, pw, cycle) end
  if step == 4 then return "/RecordsService", "gid=8" end
  if step == 5 then
    return "/StatsService", "gid=8&R1=1&R2=0&R3=" .. (cycle % 9) .. "&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"
  end
  -- step 6: a submit every fifth cycle, otherwise one more top-ten read
  if cycle % 5 ~= 0 then return "/RecordsService", "gid=8" end
  return "/RecordsService", "gid=8&nick=" .. nick .. "&city=Moscow&country=1-001&score=" .. (100 + cycle % 400) ..
    "&R7=M&R8=5.7f&R9=x&R10=x"
end

accept = dollar_or_ok
