// Prints the checksum of every frame the shared cases pull, as processFrame
// makes it in this build; the Windows test host compares the DLL's frames with it.
#include <iostream>

#include "expected_frame.h"
#include "frame_checksum.h"
#include "plugin_cases.h"
#include "test_frame.h"

int main() {
    using namespace quillane::test;
    for (const FrameCase& c : frameCases()) {
        SourceClip source(yuy2Info(c.width, c.height), c.layout);
        for (const int n : kCaseFrames)
            std::cout << checksumKey(c.label, n) << ' ' << frameChecksum(rowsOf(expectedFrame(source, n, c.settings)))
                      << '\n';
    }
    return std::cout.flush() ? 0 : 1;
}
