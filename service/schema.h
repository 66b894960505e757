// The club database's schema, one list of statements per version. A new
// version appends a step; a step that ran is never changed.
#pragma once

#include <vector>

namespace zembra::service {

const std::vector<std::vector<const char*>>& SchemaMigrations(bool postgres);

}  // namespace zembra::service
