#include "service/router_page.h"

namespace zembra::service {

const std::string& RouterPage() {
  static const std::string kPage = R"(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Zembra: a duel across a router</title>
<style>
body{font-family:sans-serif;max-width:44em;margin:2em auto;padding:0 1em;line-height:1.5;color:#1c2a1c;background:#f4f1e6}
h1{color:#0b5d1e}code{background:#e6e0cc;padding:0 .25em}li{margin:.4em 0}
</style></head><body>
<h1>Playing a duel across a router</h1>
<p>In a duel one copy of Zembra is the <b>server</b> and waits; the other is the <b>client</b> and
connects to it. On one home network nothing needs to be set up: the client types the server's
address as the login window shows it.</p>
<p>Across the internet the server's router has to pass the connection on:</p>
<ol>
<li>On the server's computer, note the address of this computer in the home network
(the login window lists it, as a rule <code>192.168.x.x</code>) and the port (25666 unless you changed it).</li>
<li>Open the router's settings page (often <code>http://192.168.0.1</code> or <code>http://192.168.1.1</code>)
and find <i>port forwarding</i> (also called <i>virtual server</i> or <i>NAT</i>).</li>
<li>Forward TCP on the duel's port to the address from step 1, the same port. Save.</li>
<li>Allow Zembra through the computer's firewall for incoming TCP on that port.</li>
<li>Press the button for the external address in the login window: that is the address the
client types. Start the server, then let the client connect.</li>
</ol>
<p>When the client cannot connect: check that the server is waiting, that both use the same port,
and that the external address has not changed (many providers change it from time to time).
Some providers share one external address among many customers; then only the other player
can be the server.</p>
</body></html>
)";
  return kPage;
}

}  // namespace zembra::service
