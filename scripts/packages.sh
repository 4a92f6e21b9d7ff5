# The Debian packages of the build, sourced by the start and test scripts.
BUILD_PACKAGES=(cmake make g++ pkg-config libgtest-dev libcli11-dev libcsv-dev qt6-base-dev
                fonts-liberation2)
SCREENSHOT_PACKAGES=(xvfb xauth x11-apps imagemagick)
# Benchmarks and the start-up script (bench/), fuzzing (fuzz/).
BENCH_PACKAGES=(libbenchmark-dev xvfb xauth xdotool time procps valgrind)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
