# The Skat computer player lives in ks_skat (its files skat_ki*.cpp join that library's glob);
# this fragment links its benchmark once the benchmark targets exist.
function(ks_skatki_bench_link)
    if(TARGET skatki_bench)
        target_link_libraries(skatki_bench PRIVATE ks_skat ks_harness)
    endif()
endfunction()
if(KS_BENCH)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_skatki_bench_link)
endif()
