// The fixed test level of morr2d, built in code: the cursor, the player it
// aims at, the wall tiles in their table order, and the shotgun.
#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "Entities/Characters/E_CursorGame.h"
#include "Entities/Characters/E_Player.h"
#include "Entities/Items/E_Shotgun.h"
#include "Entities/Level/E_Wall.h"
#include "Entities/WorldAccess.h"

namespace {

constexpr double PLAYER_X = 76.0;
constexpr double PLAYER_Y = 100.0;
constexpr double SHOTGUN_X = 64.0;
constexpr double SHOTGUN_Y = 100.0;

struct WallPlacement {
    double x, y;
    WallType type;
};

// Ledges and slopes near the top left, and a floor with gaps along the
// bottom of the first screen.
const WallPlacement WALLS[] = {
    {0, 240, WT_WALL},      {16, 240, WT_WALL},    {48, 240, WT_WALL},  {64, 240, WT_WALL},
    {64, 224, WT_WALL_DUT}, {0, 224, WT_WALL_UDT}, {80, 192, WT_WALL},  {0, 176, WT_WALL_DUB},
    {64, 176, WT_WALL_UDB}, {16, 250, WT_WALL},    {32, 250, WT_WALL},  {0, 448, WT_WALL},
    {0, 464, WT_WALL},      {64, 464, WT_WALL},    {80, 464, WT_WALL},  {96, 464, WT_WALL},
    {112, 464, WT_WALL},    {128, 464, WT_WALL},   {144, 464, WT_WALL}, {208, 464, WT_WALL},
    {272, 464, WT_WALL},    {336, 464, WT_WALL},   {400, 464, WT_WALL}, {464, 464, WT_WALL},
};

} // namespace

void MapController::buildFixedLevel() {
    auto* cursor = new E_CursorGame(this);
    m_mapStateController->setGameCursor(handleOf<E_CursorGame>(*cursor));
    auto* player = new E_Player(this, PLAYER_X, PLAYER_Y);
    m_mapStateController->setPlayer(handleOf<E_Player>(*player));
    m_mapStateController->setCameraTarget(handleOf<Entity>(*player));
    player->setTarget(handleOf<E_AITargetable>(*cursor));
    for (const WallPlacement& wall : WALLS)
        new E_Wall(this, wall.x, wall.y, wall.type);
    new E_Shotgun(this, SHOTGUN_X, SHOTGUN_Y, false);
}
