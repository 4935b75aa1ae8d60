// The WebAssembly is inside this file: nothing to fetch. Without a fetch
// the module decodes it in place, where a page's Content-Security-Policy
// allows no connection and Node has no file to read.
var fetch;
