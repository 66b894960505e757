// The service file the game fetches at start-up: keys, each followed by one
// separator and a value that ends before the next "#". The operator edits a
// template in the data folder; "{enc:/path}" becomes the address of that
// path under the service's public address, enciphered as the game stores
// addresses, and "{url:/path}" the same address in clear.
#pragma once

#include <string>
#include <string_view>

namespace zembra::service {

std::string DefaultServiceTemplate();
std::string ExpandServiceTemplate(std::string_view tmpl, std::string_view publicBase);

}  // namespace zembra::service
