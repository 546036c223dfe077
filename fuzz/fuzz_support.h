// What the fuzzing targets share: a working directory of their own (in
// memory when the system has /dev/shm), the engine's null device for the
// XML reader, and each input written where the game reads its files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// libFuzzer's initialisation, shared by every target (LLVMFuzzerInitialize,
// in fuzz_support.cpp), makes the working directory with its "circuits" and
// "pilotes" folders, moves into it and creates the null device. The move
// happens before libFuzzer opens its corpus folders: give them as absolute
// paths.

// Writes the input as the file at `relative` (below the working directory).
void WriteFuzzInput(const std::string& relative, const uint8_t* data, size_t size);

// Ends the process with a message on standard error: libFuzzer keeps the
// input that led here.
[[noreturn]] void FuzzFailure(const std::string& what);
