// The design values of an environment's param.txt.
#include "table/tischbilder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TEnvParam p{};
    std::string error;
    if (!tischbilder::readparams(std::string(reinterpret_cast<const char*>(data), size), p, error) &&
        error.empty())
        __builtin_trap();  // a refusal always says why
    return 0;
}
