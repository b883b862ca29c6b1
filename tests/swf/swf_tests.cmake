# Included from tests/CMakeLists.txt after add_course_tests(swf): the engine library, the test
# movie writer, and where the conformance corpus lives (next to the repository, when present).
target_sources(swf_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/swf/CorpusCase.cpp
                                 ${CMAKE_CURRENT_SOURCE_DIR}/swf/MovieBuilder.cpp)
target_link_libraries(swf_tests PRIVATE swf ZLIB::ZLIB PkgConfig::LZMA)
target_compile_definitions(swf_tests PRIVATE
    SWF_CORPUS_DIR="${CMAKE_SOURCE_DIR}/../shared/swf-corpus"
    SWF_TESTS_DIR="${CMAKE_CURRENT_SOURCE_DIR}/swf")
