#pragma once

#include <nlohmann/json.hpp>

#include <ostream>

class CDataManager;

// The unit list as `units --json` prints it: one object per registered unit
// in registration order (index, mac, room, model, registered, connected), the
// connected flags refreshed first.
nlohmann::ordered_json UnitsJson(CDataManager& manager);

// Texts come from the database or a remote controller; a damaged one must
// not abort the output.
inline void PrintJson(const nlohmann::ordered_json& json, std::ostream& out) {
    out << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}
