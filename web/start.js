// A browser without WebAssembly cannot run the page: the form goes, and the
// page says why, before anything is compiled. The runtime asks no more of
// WebAssembly than whether it is there until it compiles, which it leaves to
// Module.instantiateWasm below; given a stand-in, it stops there quietly
// (it waits for an instance that never comes) and runs nothing.
if (typeof WebAssembly != "object") {
    document.querySelector("main").remove();
    document.getElementById("rmq-no-webassembly").hidden = false;
    globalThis.WebAssembly = { missing: true };
}

// The page's WebAssembly comes inside the script as base64: the browser's
// own decoder reads it where it has one (Uint8Array.fromBase64), far faster
// than the runtime's loop over atob. The module is small enough to compile at
// once, in the page's own script, with no promise to wait for.
Module["instantiateWasm"] = function(imports, receiveInstance) {
    if (WebAssembly.missing)
        return {};
    // Older runtimes name the module's data: address before they compile,
    // newer ones only after asking here.
    var file = wasmBinaryFile || findWasmBinary();
    var base64 = file.slice(dataURIPrefix.length);
    var binary = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64) : intArrayFromBase64(base64);
    var module = new WebAssembly.Module(binary);
    var instance = new WebAssembly.Instance(module, imports);
    receiveInstance(instance, module);
    return instance.exports;
};
