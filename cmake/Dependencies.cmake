# Every third-party piece comes from a Debian package's CMake config.
find_package(pugixml CONFIG REQUIRED)
find_package(nlohmann_json 3 CONFIG REQUIRED)
find_package(CLI11 CONFIG REQUIRED)
if(OFXFW_BUILD_TESTS)
    find_package(GTest CONFIG REQUIRED)
endif()

# The CUDA back-end is built whenever the toolkit (nvcc) is present; without it
# the plug-in neither links the CUDA runtime nor advertises CUDA rendering.
find_package(CUDAToolkit QUIET)
if(CUDAToolkit_FOUND AND CUDAToolkit_NVCC_EXECUTABLE)
    set(OFXFW_HAVE_CUDA_DEFAULT ON)
else()
    set(OFXFW_HAVE_CUDA_DEFAULT OFF)
endif()
option(OFXFW_WITH_CUDA "Build the CUDA back-end" ${OFXFW_HAVE_CUDA_DEFAULT})
