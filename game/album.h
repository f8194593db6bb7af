#pragma once

namespace rufo {

// The sticker album: shows the child's stickers, lets the one just earned arrive, and on a
// click leads on.
void BuildAlbum();
void LeaveAlbum();

}  // namespace rufo
