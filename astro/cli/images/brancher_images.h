// The reports' pictures (--image): links the drawing library into the command line.
// Programs that draw call brancher_images() once at start; the text-only program does
// not link this library, and so loads no graphics library at all.
#pragma once

namespace almanax::cli {

// Fills the table of drawers (cli/image_cli.h) with the pages' pictures.
void brancher_images();

}  // namespace almanax::cli
