#include "resources/ProgramLogo.h"

namespace {

constexpr unsigned char kLogo[] = {
#include "LogoBytes.inc"
};

}  // namespace

std::string_view ProgramLogoPng() { return {reinterpret_cast<const char*>(kLogo), sizeof kLogo}; }
