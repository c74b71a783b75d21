// SPDX-License-Identifier: MIT
// libFuzzer's entry points; built by ./run fuzz into build-fuzz/.
#include "picture_fuzzing.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    pixelwick::fuzzing::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    pixelwick::fuzzing::convertPictureBytes(data, size);
    return 0;
}
