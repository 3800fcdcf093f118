# libFuzzer targets of the file readers: with clang and -DKS_FUZZ=ON every tests/fuzz/<name>_fuzz.cpp
# becomes the program <name>_fuzz (AddressSanitizer and UBSan on), and the target `fuzz` builds
# them all. Their seeds live in tests/fuzz/corpus/<name>/; .ci/run gives each a bounded run.
option(KS_FUZZ "Build the libFuzzer targets of tests/fuzz (clang only)" OFF)

if(KS_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "KS_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang)")
    endif()
    # Every library is instrumented for coverage and the sanitizers; the flags of a directory
    # are taken at its end, so this reaches the libraries made before this file too.
    set(ks_fuzz_flags "-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer")
    string(APPEND CMAKE_C_FLAGS " ${ks_fuzz_flags}")
    string(APPEND CMAKE_CXX_FLAGS " ${ks_fuzz_flags}")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " -fsanitize=address,undefined")

    add_custom_target(fuzz)
    file(GLOB ks_fuzz_srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
    foreach(src ${ks_fuzz_srcs})
        get_filename_component(fname ${src} NAME_WE)
        add_executable(${fname} ${src})
        target_compile_options(${fname} PRIVATE ${KS_WARNINGS})
        target_include_directories(${fname} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/tests)
        target_link_options(${fname} PRIVATE -fsanitize=fuzzer)
        # The readers of every layer; the linker takes what a target uses.
        target_link_libraries(${fname} PRIVATE ks_table)
        add_dependencies(fuzz ${fname})
        list(APPEND ks_fuzz_targets ${fname})
    endforeach()
    # A fragment whose readers live in a further library appends it to KS_FUZZ_LIBS; the list is
    # linked once every fragment has been read.
    function(ks_fuzz_link)
        foreach(t ${ks_fuzz_targets})
            foreach(lib ${KS_FUZZ_LIBS})
                if(TARGET ${lib})
                    target_link_libraries(${t} PRIVATE ${lib})
                endif()
            endforeach()
        endforeach()
    endfunction()
    cmake_language(DEFER CALL ks_fuzz_link)
endif()
