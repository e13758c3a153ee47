# One test executable per subsystem, each run as one process under Wine:
# a Wine process start costs far more than a test case.
set(VELMARO_WINE_STATE ${CMAKE_BINARY_DIR}/wine)

function(velmaro_test_executable name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  add_executable(${name} ${sources} ${ARGN})
  target_compile_options(${name} PRIVATE ${VELMARO_WARNINGS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE velmaro_core GTest::gtest GTest::gtest_main)
  add_test(NAME ${folder} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${folder} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 600)
endfunction()

velmaro_test_executable(velmaro_list_tests list)
velmaro_test_executable(velmaro_app_tests app)
velmaro_test_executable(velmaro_settings_tests settings)
velmaro_test_executable(velmaro_caption_tests caption)
velmaro_test_executable(velmaro_panel_tests panel)
velmaro_test_executable(velmaro_import_tests import)
velmaro_test_executable(velmaro_help_tests help)
velmaro_test_executable(velmaro_commands_tests commands)
velmaro_test_executable(velmaro_resource_tests resources)
add_dependencies(velmaro_resource_tests velmaro)
target_compile_definitions(velmaro_resource_tests PRIVATE VELMARO_EXE_NAME=L"velmaro.exe")
target_link_libraries(velmaro_resource_tests PRIVATE version)

# Prepares the Wine prefix, the display and a persistent wineserver once for
# all tests, and ends exactly what it started afterwards.
add_test(NAME wine_setup COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-run --state ${VELMARO_WINE_STATE} --setup)
add_test(NAME wine_cleanup COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-run --state ${VELMARO_WINE_STATE} --cleanup)
set_tests_properties(wine_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_cleanup PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 120)

# The real program under Wine: its window must appear and be drawn.
add_test(NAME panel_screenshot
  COMMAND ${CMAKE_SOURCE_DIR}/tests/app/panel-screenshot.sh ${CMAKE_SOURCE_DIR}/tools/wine-run
          ${VELMARO_WINE_STATE} $<TARGET_FILE:velmaro> ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(panel_screenshot PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 180)

# The operator's fast entry with real keys on the display: nothing typed after an Alt key is lost.
add_test(NAME alt_release
  COMMAND ${CMAKE_SOURCE_DIR}/tests/app/alt-release.sh ${CMAKE_SOURCE_DIR}/tools/wine-run
          ${VELMARO_WINE_STATE} $<TARGET_FILE:velmaro>)
set_tests_properties(alt_release PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 180)

# DLLs named like system DLLs, planted beside the real program by the next test.
foreach(planted winmm uxtheme gdiplus d3d11 dxgi d2d1 dwrite dcomp version)
  add_library(planted_${planted} SHARED ${CMAKE_SOURCE_DIR}/tests/planted/PlantedDll.c)
  set_target_properties(planted_${planted} PROPERTIES OUTPUT_NAME ${planted} PREFIX ""
                        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/planted RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/planted)
  target_compile_options(planted_${planted} PRIVATE ${VELMARO_WARNINGS})
  target_link_options(planted_${planted} PRIVATE -static-libgcc)
  list(APPEND VELMARO_PLANTED_DLLS planted_${planted})
endforeach()

# No DLL from the program's folder ever runs inside it.
add_test(NAME planted_dlls
  COMMAND ${CMAKE_SOURCE_DIR}/tests/app/planted-dlls.sh ${CMAKE_SOURCE_DIR}/tools/wine-run
          ${VELMARO_WINE_STATE} $<TARGET_FILE:velmaro> ${CMAKE_BINARY_DIR}/planted)
set_tests_properties(planted_dlls PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 180)

# Two real processes in one folder, and one in another.
add_test(NAME second_instance
  COMMAND ${CMAKE_SOURCE_DIR}/tests/app/second-instance.sh ${CMAKE_SOURCE_DIR}/tools/wine-run
          ${VELMARO_WINE_STATE} $<TARGET_FILE:velmaro>)
set_tests_properties(second_instance PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 180)
