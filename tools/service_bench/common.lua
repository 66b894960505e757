-- Shared by the zembra-service load phases: request building, reply
-- checking and the per-thread tally printed when wrk ends.
--
-- Each phase script loads this file and defines next_request(n, tid),
-- returning the path and form body of the thread's n-th request, and
-- accept(body), true when a 2xx reply body is one the phase expects.

local accounts = tonumber(os.getenv("BENCH_ACCOUNTS") or "50")
local password = os.getenv("BENCH_PASSWORD") or "benchpw1"

function account(i)
  return string.format("bench%02d", i % accounts + 1), password
end

-- Reply checks: the service answers 200 with "$..." for data, "ok" for a
-- stored change and "no"/"is" for refusals; errors come with 4xx/5xx.
function starts_dollar(body) return body:sub(1, 1) == "$" end
function is_ok(body) return body:sub(1, 2) == "ok" end
function is_no(body) return body:sub(1, 2) == "no" end
function dollar_or_ok(body) return starts_dollar(body) or is_ok(body) end

local threads = {}
local counter = 1

function setup(thread)
  thread:set("tid", counter)
  table.insert(threads, thread)
  counter = counter + 1
end

function init(args)
  n = 0       -- requests built by this thread
  bad = 0     -- 2xx replies whose body is not what the request expects
  status_bad = 0
  headers = {
    ["Content-Type"] = "application/x-www-form-urlencoded",
    ["User-Agent"] = "OrvSpecAccess",
  }
end

-- wrk gives no connection identity, so a thread's connections share one
-- sequence; replies are checked against what any request of the phase may
-- legitimately return (the phase's `accept`).
function request()
  local path, body = next_request(n, tid)
  n = n + 1
  return wrk.format("POST", path, headers, body)
end

function response(status, hdrs, body)
  if status < 200 or status > 299 then
    status_bad = status_bad + 1
  elseif not accept(body) then
    bad = bad + 1
    if bad <= 3 then io.stderr:write("unexpected reply: " .. body:sub(1, 60) .. "\n") end
  end
end

function done(summary, latency, requests)
  local b, s = 0, 0
  for _, t in ipairs(threads) do
    b = b + (t:get("bad") or 0)
    s = s + (t:get("status_bad") or 0)
  end
  local e = summary.errors
  io.write(string.format("BENCH requests=%d bad_replies=%d non2xx=%d connect=%d read=%d write=%d timeout=%d p50_us=%d p90_us=%d p99_us=%d max_us=%d\n",
    summary.requests, b, s, e.connect, e.read, e.write, e.timeout,
    latency:percentile(50), latency:percentile(90), latency:percentile(99), latency.max))
end
