// Ball pictures: the four tile strips "pic\pic1.bmp" .. "pic\pic4.bmp" below the program folder, drawn by
// the grid's ball painter. The program generates any strip that is missing; DrawBallPicture copies one
// tile onto a surface, either stretched or masked so the background stays visible around the ball.
#pragma once

#include <QImage>
#include <QString>
#include <array>

class QPainter;
class QRect;

namespace qorvel {

constexpr int kBallStrips = 4;
constexpr std::array<int, kBallStrips> kBallTileSizes{18, 46, 25, 18};  // strips 1..4
constexpr int kBallPictureTiles = 9;                                    // tiles 0..8 are balls
constexpr int kBallMaskTile = 9;                                        // the mask tile of strips 2 and 4

// True for the strips that carry a mask tile after the pictures.
bool ballStripHasMask(int strip);

// The strip as the program generates it: nine differently coloured balls on white, plus the mask tile
// (black outside the ball, white inside) on strips 2 and 4.
QImage makeBallStrip(int strip);

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

// Draws tile `tile` of the strip chosen by `style` into `rect` of the surface. Styles 1 and 3 stretch the
// tile of strip 1 or 3 over the whole rectangle with a plain copy; styles 2 and 4 draw strip 2 or 4
// masked into the largest square centred in the rectangle (the mask tile ORed, then the picture tile
// ANDed). Any other style, or a tile outside the strip's pictures, draws nothing. The painter's state is
// restored afterwards, so later drawing on the surface is not affected by the raster operations.
void DrawBallPicture(QPainter& surface, const QRect& rect, int style, int tile);

}  // namespace qorvel
