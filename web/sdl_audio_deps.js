// SDL's audio calls autoResumeAudioContext and dynCall from its JavaScript; a static SDL built
// outside the compiler's own ports does not ask for them, so this library does.
mergeInto(LibraryManager.library, {
  rufo_sdl_audio_deps__deps: ['$autoResumeAudioContext', '$dynCall'],
  rufo_sdl_audio_deps: function () {},
});
