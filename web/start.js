// The page's WebAssembly comes inside the script as base64: the browser's
// own decoder reads it where it has one (Uint8Array.fromBase64), far faster
// than the runtime's loop over atob. The module is small enough to compile at
// once, in the page's own script, with no promise to wait for.
Module["instantiateWasm"] = function(imports, receiveInstance) {
    var base64 = wasmBinaryFile.slice(dataURIPrefix.length);
    var binary = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64) : intArrayFromBase64(base64);
    var module = new WebAssembly.Module(binary);
    var instance = new WebAssembly.Instance(module, imports);
    receiveInstance(instance, module);
    return instance.exports;
};
