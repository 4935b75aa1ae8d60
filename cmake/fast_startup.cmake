# The build for the quickest start of a process that lives for one value:
# no dynamic loader (a static link saves about 1.7 million instructions of
# symbol lookup per run), and few code pages to map. Included before the
# targets are made; each function below applies to the one target it is
# given, nothing is set for the whole directory.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" OR APPLE)
  message(FATAL_ERROR "KELPWORTH_FAST_STARTUP needs GCC or Clang on an ELF platform")
endif()

# Compiles the target's sources with every function and every data object
# in a section of its own, so that the static link below can drop each one
# the tool never refers to. For the code that goes into the tool, and for
# the dynamically linked twin the process tests run, which is compiled the
# same way.
function(kelpworth_sections_per_function target)
  target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
endfunction()

# Compiles the target for size (-Os), except in a Debug build: for the
# start-up code. The arithmetic, which programs also call in loops, keeps
# the build type's optimisation.
function(kelpworth_size_optimised target)
  target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Os>)
endfunction()

# Keeps the build type's optimisation for the given sources of a target
# that is otherwise optimised for size: the code every line of a batch
# runs through, where a million lines a second count more than a few
# pages at start-up.
function(kelpworth_speed_optimised target)
  set_source_files_properties(${ARGN} TARGET_DIRECTORY ${target}
    PROPERTIES COMPILE_OPTIONS $<$<NOT:$<CONFIG:Debug>>:-O2>)
endfunction()

# Links the executable statically and drops every section nothing refers
# to, of its own objects and of the static C and C++ libraries.
# -static, not -static-pie: relocating itself costs a static PIE about 5% of
# the run and 120 KiB of written pages. The executable's own code and data
# then sit at fixed addresses; stack, heap and mappings stay randomised.
function(kelpworth_fast_startup target)
  target_link_options(${target} PRIVATE -static -Wl,--gc-sections)
endfunction()
