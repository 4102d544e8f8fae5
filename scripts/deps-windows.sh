#!/usr/bin/env bash
# Installs, with the packages of scripts/deps.sh, those of the Windows cross build and its test run:
# the MinGW-w64 compiler with POSIX threads (std::thread and std::mutex need them), Wine to run the
# 64-bit programs (wine64 alone: no 32-bit architecture is needed), the GoogleTest sources to build
# GoogleTest with the same compiler, and zip for the release archive.
set -euo pipefail
exec "$(dirname "$0")/deps.sh" g++-mingw-w64-x86-64-posix wine wine64 googletest zip unzip
