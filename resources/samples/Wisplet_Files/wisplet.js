// Placeholder; the real page script replaces this file.
function WriteWisplet() {}
