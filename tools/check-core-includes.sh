#!/usr/bin/env bash
# The core (src/ outside the platform's implementation folders) knows no system: it includes no POSIX, Qt,
# SDL or iconv header and writes nothing to std::cerr. Prints each offending line; exits non-zero on any.
set -uo pipefail
cd "$(dirname "$0")/.."
core=$(git ls-files 'src/*.cpp' 'src/*.h' | grep -vE '^src/platform/(posix|sdl|qt|win32)/')
pattern='^\s*#\s*include\s*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/.*|SDL.*|iconv\.h|unistd\.h|fcntl\.h|dirent\.h|pthread\.h|dlfcn\.h|sys/.*|windows\.h)[>"]|std::cerr'
if grep -nE "$pattern" $core; then
    echo "the core must stay free of system headers and standard error"
    exit 1
fi
