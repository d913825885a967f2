# WebAssembly for WASI with Debian's clang 19 and its wasm32 C and C++
# libraries: cmake -S . -B build-wasm -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# A compiler check would link a program with main; the module has none.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
