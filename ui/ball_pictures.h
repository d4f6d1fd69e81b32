// Ball pictures: the four tile strips "pic\pic1.bmp" .. "pic\pic4.bmp" below the program folder that the
// ball painter (DrawBallPicture in core/views) draws from. The program generates any strip that is
// missing; the generated balls can also be rendered at any pixel size, so a ball drawn larger than its
// tile or on a high-density screen stays round and sharp instead of being a stretched bitmap.
#pragma once

#include <QImage>
#include <QString>

#include "views/ball_picture.h"

namespace qorvel {

// The strip as the program generates it: nine colours on white — shaded balls on the masked strips 2 and 4
// followed by the mask tile (black outside the ball, white inside), shaded squares on the opaque strips 1
// and 3, which the pages use where a number is shown as a square.
QImage makeBallStrip(int strip);

// One tile of the generated strip rendered at width x height pixels, as the tile would look stretched to
// that size but drawn at full resolution. Masked strips keep a hard mask edge (so the OR/AND pair leaves
// no fringe) and outline the ball with a darker rim; opaque strips fill the tile with a block.
QImage makeBallTile(int strip, int tile, int width, int height);

// "pic/picN.bmp" below the folder.
QString ballStripPath(const QString& programFolder, int strip);

// Writes every missing strip file. Returns an error text naming the first file that could not be
// written, empty on success.
QString ensureBallPictures(const QString& programFolder);

// Loads the four strips into the process-wide ball pictures. A strip file that cannot be read or is too
// small for its tiles is replaced in memory by the generated strip; the file is left alone.
void loadBallPictures(const QString& programFolder);
// Drops the loaded strips (at shutdown); drawing then uses the generated strips.
void releaseBallPictures();
// The strip the painter uses for style 1..4.
const QImage& ballStrip(int strip);

// Tile `tile` of strip `strip` at width x height device pixels: rendered afresh when the strip in use is
// the generated one, else the loaded tile scaled (without smoothing for masked strips, whose mask must
// stay black and white). Results are cached; a null image for a strip or tile that does not exist.
QImage ballTileImage(int strip, int tile, int width, int height);

}  // namespace qorvel
