# The window tests' executables. Each test file includes its own moc output, so that automatic
# moc stays with the libraries alone; LINK names the library under test, SOURCES any helpers.
function(pennix_window_test target source)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "LINK" "SOURCES")
    set(moc_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_moc/${source})
    string(REGEX REPLACE "\\.cpp$" ".moc" moc_file ${moc_file})
    qt6_generate_moc(${source} ${moc_file} TARGET ${target})
    add_executable(${target} ${source} ${moc_file} ${arg_SOURCES})
    set_source_files_properties(${moc_file} PROPERTIES HEADER_FILE_ONLY ON)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_moc
                                                 ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${target} PRIVATE ${arg_LINK} Qt6::Test)
endfunction()
