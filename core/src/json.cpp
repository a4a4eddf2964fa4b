// Placeholder until the JSON form lands.
#include "tarvik/render.h"

namespace tarvik {

bool write_json(const Artefact&, std::string&, std::string& error) {
    error = "JSON form not built yet";
    return false;
}

}  // namespace tarvik
