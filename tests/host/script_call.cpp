#include "script_call.h"

#include <stdexcept>
#include <vector>

namespace quillane::test {
namespace {

struct Parameter {
    std::string name;  // empty for a positional one
    char kind;
};

std::vector<Parameter> parseSignature(const std::string& params) {
    std::vector<Parameter> parsed;
    for (std::size_t i = 0; i < params.size();) {
        std::string name;
        if (params[i] == '[') {
            const std::size_t close = params.find(']', i);
            if (close == std::string::npos || close + 1 >= params.size())
                throw std::invalid_argument("malformed signature: " + params);
            name = params.substr(i + 1, close - i - 1);
            i = close + 1;
        }
        parsed.push_back({name, params[i]});
        ++i;
    }
    return parsed;
}

bool kindAccepts(char kind, const AVSValue& value) {
    switch (kind) {
        case 'c': return value.IsClip();
        case 'i': return value.IsInt();
        case 'f': return value.IsFloat();
        default: return false;
    }
}

}  // namespace

AVSValue callAsScript(const TestEnvironment::Registration& function, const PClip& clip,
                      const std::map<std::string, AVSValue>& named, IScriptEnvironment* env) {
    const std::vector<Parameter> parameters = parseSignature(function.params);
    std::vector<AVSValue> args(parameters.size());
    if (parameters.empty() || !parameters[0].name.empty() || parameters[0].kind != 'c')
        throw std::invalid_argument("no leading clip parameter in " + function.params);
    args[0] = clip;
    std::size_t placed = 0;
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const auto found = named.find(parameters[i].name);
        if (parameters[i].name.empty() || found == named.end()) continue;
        if (!kindAccepts(parameters[i].kind, found->second))
            throw std::invalid_argument("wrong kind for " + parameters[i].name);
        args[i] = found->second;
        ++placed;
    }
    if (placed != named.size()) throw std::invalid_argument("a named parameter is not in " + function.params);
    return function.apply(AVSValue(args.data(), static_cast<int>(args.size())), function.userData, env);
}

}  // namespace quillane::test
