# The pictures in images/ and the icons in data/icons/ are committed; with
# KVR_IMAGEGEN, a test redraws them and compares (tests/tst_imagegen.cpp).
if(KVR_IMAGEGEN)
    add_executable(tst_imagegen ${CMAKE_CURRENT_LIST_DIR}/tst_imagegen.cpp)
    target_link_libraries(tst_imagegen PRIVATE Qt6::Gui Qt6::Test)
    target_compile_definitions(tst_imagegen PRIVATE
        KVR_IMAGEGEN_PATH="$<TARGET_FILE:kvr210c-imagegen>"
        KVR_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_dependencies(tst_imagegen kvr210c-imagegen)
    add_test(NAME tst_imagegen COMMAND tst_imagegen)
    set_tests_properties(tst_imagegen PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endif()
