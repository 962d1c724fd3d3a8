// SPDX-License-Identifier: MIT
// pre.js - runs inside the game's script before its main(): the folders the game
// writes (settings and saves, under XDG_CONFIG_HOME and XDG_DATA_HOME) live in
// the page's IndexedDB, so they outlast a reload and a browser restart.
//
// IndexedDB stores asynchronously, and a closing page does not wait for it. So
// when the page is hidden or closed, the game is kept first (one more frame
// autosaves, as closing the desktop window does), and every file written since
// the last completed store is copied at once into localStorage, which writes
// synchronously. The next start puts a copied file back before the game reads
// it, when it is newer than the stored one and looks like the game's own file;
// the copy is dropped once IndexedDB holds that version.
var hollowmereRoot = "/user";  // every file the player keeps
var hollowmereMirrorKey = "hollowmere-unstored-files";  // localStorage: the copies
var hollowmereMirrorBytes = 1 << 20;  // a copied file is at most this long, as the game's own files

Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir(hollowmereRoot);
  FS.mount(IDBFS, {}, hollowmereRoot);
  ENV.XDG_CONFIG_HOME = hollowmereRoot + "/config";
  ENV.XDG_DATA_HOME = hollowmereRoot + "/data";
  ENV.HOLLOWMERE_DATA = "/";  // the packed pictures are unpacked to /gfx
  addRunDependency("hollowmere-user-files");
  FS.syncfs(true, function (err) {  // the stored files first, then main()
    if (err) console.warn("The saved files could not be read: " + err);
    Module.hollowmereStored = hollowmereFileTimes();
    if (hollowmereRestoreMirror() > 0) Module.hollowmereSync();
    removeRunDependency("hollowmere-user-files");
  });
});

// Every player file's path with its modification time (ms).
function hollowmereFileTimes() {
  var times = {};
  (function walk(folder) {
    var names;
    try { names = FS.readdir(folder); } catch (e) { return; }
    names.forEach(function (name) {
      if (name === "." || name === "..") return;
      var path = folder + "/" + name;
      var st = FS.stat(path);
      if (FS.isDir(st.mode)) walk(path);
      else if (FS.isFile(st.mode)) times[path] = st.mtime.getTime();
    });
  })(hollowmereRoot);
  return times;
}

// 32-bit FNV-1a of the bytes: a copy that changed on the way is not put back.
function hollowmereChecksum(bytes) {
  var h = 0x811c9dc5;
  for (var i = 0; i < bytes.length; i++) h = Math.imul(h ^ bytes[i], 0x01000193) >>> 0;
  return h;
}

function hollowmereReadMirror() {
  try {
    var mirror = JSON.parse(localStorage.getItem(hollowmereMirrorKey) || "{}");
    return mirror && typeof mirror === "object" && !Array.isArray(mirror) ? mirror : {};
  } catch (e) {
    return {};  // unreadable or no localStorage: nothing to put back
  }
}

function hollowmereWriteMirror(mirror) {
  try {
    if (Object.keys(mirror).length === 0) localStorage.removeItem(hollowmereMirrorKey);
    else localStorage.setItem(hollowmereMirrorKey, JSON.stringify(mirror));
    return true;
  } catch (e) {
    console.warn("The unsaved files could not be kept: " + e);
    return false;
  }
}

// How each kind of file the game writes begins and ends; a copy that does
// otherwise is no whole file of ours.
var hollowmereFileKinds = [
  { name: /\/config\/hollowmere\/settings$/, begins: "hollowmere settings ", ends: "\n" },  // the window settings
  { name: /\/data\/hollowmere\/[a-z]{2}\/(save|auto|slot[1-8])$/, begins: "hollowmere save\n", ends: "\nend\n" },  // saves
  { name: /\/data\/hollowmere\/[a-z]{2}\/(save|auto|slot[1-8])\.png$/, begins: "\x89PNG\r\n\x1a\n",
    ends: "IEND\xaeB`\x82" },  // their pictures
];

// The bytes of a copy when it may be put back as path; null otherwise.
function hollowmereCheckedCopy(path, copy) {
  if (typeof path !== "string" || path.indexOf(hollowmereRoot + "/") !== 0 || path.indexOf("/.") >= 0) return null;
  if (!copy || typeof copy.data !== "string" || typeof copy.time !== "number" || !isFinite(copy.time)) return null;
  var kind = hollowmereFileKinds.filter(function (k) { return k.name.test(path.slice(hollowmereRoot.length)); })[0];
  if (!kind || copy.data.length > (hollowmereMirrorBytes * 4) / 3 + 4) return null;
  var text;
  try { text = atob(copy.data); } catch (e) { return null; }
  if (text.indexOf(kind.begins) !== 0 || text.slice(-kind.ends.length) !== kind.ends) return null;
  var bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  return hollowmereChecksum(bytes) === copy.sum ? bytes : null;
}

// Puts back every copy newer than the stored file (or with no stored file);
// drops copies that are damaged or older. Returns how many were put back.
function hollowmereRestoreMirror() {
  var mirror = hollowmereReadMirror();
  var stored = Module.hollowmereStored;
  var restored = 0, kept = {};
  Object.keys(mirror).forEach(function (path) {
    var copy = mirror[path];
    var bytes = hollowmereCheckedCopy(path, copy);
    if (!bytes) {
      console.warn("A damaged copy of " + path + " was left out");
      return;
    }
    if (path in stored && stored[path] >= copy.time) return;  // the stored file is as new
    try {
      var folder = path.slice(0, path.lastIndexOf("/"));
      FS.mkdirTree(folder);
      var temporary = folder + "/.mirror-" + path.slice(folder.length + 1);
      FS.writeFile(temporary, bytes);
      FS.utime(temporary, copy.time, copy.time);
      FS.rename(temporary, path);
      kept[path] = copy;
      restored++;
    } catch (e) {
      console.warn("The copy of " + path + " could not be put back: " + e);
    }
  });
  hollowmereWriteMirror(kept);  // stays until IndexedDB holds these versions
  return restored;
}

// Copies every file written since the last completed store into localStorage.
function hollowmereMirrorUnstored() {
  var now = hollowmereFileTimes();
  var stored = Module.hollowmereStored || {};
  var mirror = hollowmereReadMirror();
  var changed = false;
  Object.keys(now).forEach(function (path) {
    if (stored[path] === now[path] || !hollowmereFileKinds.some(function (k) {
      return k.name.test(path.slice(hollowmereRoot.length));
    })) return;
    var bytes = FS.readFile(path);
    if (bytes.length > hollowmereMirrorBytes) return;
    var text = "";
    for (var i = 0; i < bytes.length; i += 8192)
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    mirror[path] = { time: now[path], sum: hollowmereChecksum(bytes), data: btoa(text) };
    changed = true;
  });
  if (changed) hollowmereWriteMirror(mirror);
}

// Drops the copies of files IndexedDB now holds in the same version.
function hollowmereForgetStored(stored) {
  var mirror = hollowmereReadMirror();
  var paths = Object.keys(mirror);
  var left = {};
  paths.forEach(function (p) { if (!mirror[p] || stored[p] !== mirror[p].time) left[p] = mirror[p]; });
  if (Object.keys(left).length !== paths.length) hollowmereWriteMirror(left);
}

// Writes the player's files to IndexedDB; a write during a write is done after it.
// Module.hollowmereSyncing stays true from the request until everything written
// is stored. `soon` leaves the start to a task of its own, after the game's frame
// (a save writes two files in one frame: one store for both); a store asked for
// at once starts one that was left for later now.
Module.hollowmereSync = function (soon) {
  if (Module.hollowmereSyncing) {
    if (!Module.hollowmereStoreLater) Module.hollowmereSyncAgain = true;
    else if (!soon) hollowmereStoreNow();  // the store left for later takes this write too
    return;
  }
  Module.hollowmereSyncing = true;
  if (soon) Module.hollowmereStoreLater = setTimeout(hollowmereStoreNow, 0);
  else hollowmereStoreNow();
};

function hollowmereStoreNow() {
  clearTimeout(Module.hollowmereStoreLater);
  Module.hollowmereStoreLater = null;
  var storing = hollowmereFileTimes();
  FS.syncfs(false, function (err) {
    if (err) console.warn("The saved files could not be stored: " + err);
    else {
      Module.hollowmereStored = storing;
      hollowmereForgetStored(storing);
    }
    Module.hollowmereSyncing = false;
    if (Module.hollowmereSyncAgain) {
      Module.hollowmereSyncAgain = false;
      Module.hollowmereSync();
    }
  });
}

// The page is hidden or goes away (beforeunload, pagehide and visibilitychange
// follow each other): the game is kept once until the page draws again, and
// what IndexedDB may not get in time is copied where it survives.
Module.hollowmereLeaving = function () {
  if (Module.hollowmereLeft || !Module.hollowmereStored || typeof Module._hollowmereLeaving !== "function") return;
  Module.hollowmereLeft = true;
  requestAnimationFrame(function () { Module.hollowmereLeft = false; });  // shown again, or never left
  try {
    Module._hollowmereLeaving();
  } finally {
    hollowmereMirrorUnstored();
    Module.hollowmereSync();
  }
};
document.addEventListener("visibilitychange", function () {
  if (document.visibilityState === "hidden") Module.hollowmereLeaving();
});
window.addEventListener("pagehide", Module.hollowmereLeaving);
window.addEventListener("beforeunload", Module.hollowmereLeaving);
