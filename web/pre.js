// SPDX-License-Identifier: MIT
// pre.js - runs inside the game's script before its main(): the folders the game
// writes (settings and saves, under XDG_CONFIG_HOME and XDG_DATA_HOME) live in
// the page's IndexedDB, so they outlast a reload and a browser restart.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  var root = "/user";  // every file the player keeps
  FS.mkdir(root);
  FS.mount(IDBFS, {}, root);
  ENV.XDG_CONFIG_HOME = root + "/config";
  ENV.XDG_DATA_HOME = root + "/data";
  ENV.HOLLOWMERE_DATA = "/";  // the packed pictures are unpacked to /gfx
  addRunDependency("hollowmere-user-files");
  FS.syncfs(true, function (err) {  // the stored files first, then main()
    if (err) console.warn("The saved files could not be read: " + err);
    removeRunDependency("hollowmere-user-files");
  });
});

// Writes the player's files to IndexedDB; a write during a write is done after it.
// Module.hollowmereSyncing stays true until everything written is stored.
Module.hollowmereSync = function () {
  if (Module.hollowmereSyncing) {
    Module.hollowmereSyncAgain = true;
    return;
  }
  Module.hollowmereSyncing = true;
  FS.syncfs(false, function (err) {
    if (err) console.warn("The saved files could not be stored: " + err);
    Module.hollowmereSyncing = false;
    if (Module.hollowmereSyncAgain) {
      Module.hollowmereSyncAgain = false;
      Module.hollowmereSync();
    }
  });
};
// Once more as the page goes away (every write was stored already; this is a second chance).
window.addEventListener("pagehide", function () {
  if (typeof FS !== "undefined" && FS.syncfs) FS.syncfs(false, function () {});
});
