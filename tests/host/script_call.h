#pragma once

#include <map>
#include <string>

#include "host_interface.h"
#include "test_environment.h"

namespace quillane::test {

// Calls a registered function as a script would: the clip first, then any
// subset of the named parameters, each placed where the registered signature
// puts it and checked against its kind (an integer passes for a float).
// Throws std::invalid_argument for a name or kind the signature does not allow.
AVSValue callAsScript(const TestEnvironment::Registration& function, const PClip& clip,
                      const std::map<std::string, AVSValue>& named, IScriptEnvironment* env);

}  // namespace quillane::test
