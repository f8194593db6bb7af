#include "game/game_screens.h"

#include "game/album.h"
#include "game/parents_page.h"
#include "game/start_screen.h"
#include "game/title_end_screens.h"

namespace rufo {

void RegisterGameScreens(ScreenTable& table) {
  table.Add<StartScreen>(kScreenStart);
  table.Add<EndScreen>(kScreenEnd);
  table.Add<CreditsScreen>(kScreenCredits);
  table.Add<EntryScreen>(kScreenEntry);
  table.Add<TitleScreen>(kScreenTitle);
  table.Add<AlbumScreen>(kScreenAlbum);
  table.Add<ParentsScreen>(kScreenParents);
}

}  // namespace rufo
