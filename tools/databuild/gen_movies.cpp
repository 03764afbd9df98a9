// Registers the production movies (MOVIE/*.ARC) with the data builder.
#include "tools/databuild/asset.h"
#include "tools/databuild/movie_encode.h"

namespace databuild {
namespace {

const GeneratorRegistrar registrar("movie", movie::GenerateMovie, movie::kMoviesVersion);

}  // namespace
}  // namespace databuild
