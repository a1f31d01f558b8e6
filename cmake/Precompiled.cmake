# Precompiled headers. Parsing the Qt and GoogleTest headers is most of the
# time a translation unit takes, so each kind of target reuses one
# precompiled header made once per build tree:
#   core     libraries on Qt Core (nothing widget-related is made visible to them)
#   widgets  the window's libraries and the module (Qt Widgets)
#   test     test programs (Qt Core and GoogleTest)
# GCC takes a precompiled header only when the target's definitions include
# those it was made with and -fPIC/-fPIE agree, so each donor has the least
# set of its kind and is a library for libraries, a program for programs
# (-Winvalid-pch reports any mismatch). Clang is stricter still: NXA_PCH is
# off for it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(nxa_pch_default ON)
else()
  set(nxa_pch_default OFF)
endif()
option(NXA_PCH "Use precompiled headers (GCC)" ${nxa_pch_default})

set(NXA_PCH_CORE_HEADERS
  <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QList> <QMap> <QObject> <QString>
  <QStringList> <QTemporaryDir> <QVariant>
  <algorithm> <atomic> <chrono> <cstdint> <cstdio> <cstring> <functional> <map> <memory> <mutex> <optional>
  <string> <thread> <vector>)
set(NXA_PCH_WIDGETS_HEADERS ${NXA_PCH_CORE_HEADERS}
  <QApplication> <QBoxLayout> <QCheckBox> <QComboBox> <QDialog> <QEvent> <QLabel> <QLayout> <QLineEdit>
  <QPainter> <QPointer> <QPushButton> <QTimer> <QWidget>)
set(NXA_PCH_TEST_HEADERS ${NXA_PCH_CORE_HEADERS} <QDeadlineTimer> <QProcess> <gtest/gtest.h>)

if(NXA_PCH)
  add_compile_options(-Winvalid-pch)
  set(pch_dir ${CMAKE_CURRENT_LIST_DIR}/pch)
  add_library(nxa_pch_core STATIC ${pch_dir}/PchCore.cpp)
  target_link_libraries(nxa_pch_core PRIVATE Qt6::Core)
  target_precompile_headers(nxa_pch_core PRIVATE ${NXA_PCH_CORE_HEADERS})

  add_library(nxa_pch_widgets STATIC ${pch_dir}/PchWidgets.cpp)
  target_link_libraries(nxa_pch_widgets PRIVATE Qt6::Widgets)
  target_precompile_headers(nxa_pch_widgets PRIVATE ${NXA_PCH_WIDGETS_HEADERS})
endif()

# nxa_use_pch(TARGET core|widgets|test): TARGET's sources take that kind's
# precompiled header.
function(nxa_use_pch target kind)
  if(NOT NXA_PCH)
    return()
  endif()
  if(kind STREQUAL "test")
    # Made on first use: test programs exist only with NXA_BUILD_TESTS.
    if(NOT TARGET nxa_pch_test)
      add_executable(nxa_pch_test ${CMAKE_SOURCE_DIR}/cmake/pch/PchTest.cpp)
      target_link_libraries(nxa_pch_test PRIVATE Qt6::Core GTest::gtest GTest::gtest_main)
      target_precompile_headers(nxa_pch_test PRIVATE ${NXA_PCH_TEST_HEADERS})
    endif()
  endif()
  target_precompile_headers(${target} REUSE_FROM nxa_pch_${kind})
endfunction()
