// Sanitizer builds: the image and font libraries keep caches for the life of
// the process, which LeakSanitizer would report at exit; our code is not covered.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:librsvg\nleak:libfontconfig\nleak:libpango\nleak:libglib\nleak:libgobject\n"
         "leak:libcairo\nleak:libharfbuzz\nleak:libfreetype\n";
}
