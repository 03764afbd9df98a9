# Story text is written in UTF-8 and compiled straight to Shift-JIS (code page
# 932, which keeps 0x5C and 0x7E as ASCII, unlike plain SJIS): every narrow
# string literal of these targets is the engine's own text, and a character
# with no Shift-JIS form is a compile error instead of a '?' at run time.
set(CELLWRIGHT_SHIFT_JIS_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932)

function(cellwright_shift_jis_text target)
  target_compile_options(${target} PRIVATE ${CELLWRIGHT_SHIFT_JIS_FLAGS})
endfunction()
