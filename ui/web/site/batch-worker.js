'use strict';
// The batch's worker, started from this function's own text (a page opened from its folder may
// not start a worker from a file): the module's command line runs the batch on the chosen file,
// read piece by piece where it lies, and its output and messages go to the page as they come.
function gbBatchWorker() {
  self.onmessage = async (e) => {
    try {
      await run(e.data);
    } catch (error) {
      // Whatever stops the module (out of memory, a trap) ends the batch with nothing handed over.
      self.postMessage({ message: String(error && error.message ? error.message : error) });
      self.postMessage({ done: true, status: 70, complete: false, rows: 0 });
    }
  };
  async function run({ file, args, header }) {
    // Rows written so far: lines of output, but for a CSV's header.
    let rows = 0;
    const done = () => Math.max(0, rows - (header ? 1 : 0));
    let lastReport = 0;
    // The output goes to the page in pieces of a few megabytes: the page keeps each as a Blob,
    // which the browser may hold on disk, and few large ones cost it less than many small.
    const pending = [];
    let pendingSize = 0;
    const send = () => {
      if (!pendingSize) return;
      const piece = new Uint8Array(pendingSize);
      let at = 0;
      for (const bytes of pending) {
        piece.set(bytes, at);
        at += bytes.length;
      }
      pending.length = 0;
      pendingSize = 0;
      self.postMessage({ output: piece }, [piece.buffer]);
    };
    const page = {
      output(bytes) {
        for (let i = bytes.indexOf(10); i !== -1; i = bytes.indexOf(10, i + 1)) ++rows;
        pending.push(bytes);
        pendingSize += bytes.length;
        if (pendingSize >= 4 << 20) send();
        const now = Date.now();
        if (now - lastReport >= 100) {
          lastReport = now;
          self.postMessage({ progress: { rows: done(), read: module.bytesRead } });
        }
      },
      message(text) {
        self.postMessage({ message: text });
      },
    };
    const module = await GbModule({ page });
    module.bytesRead = 0;
    module.FS.mkdir('/input');
    module.FS.mount(module.WORKERFS, { files: [file] }, '/input');
    // The input is read from the file a few megabytes at a time (each read of the file costs
    // far more than its size), and how far it has been read drives the progress bar.
    const window = { at: 0, bytes: new Uint8Array(0) };
    module.WORKERFS.stream_ops.read = function (stream, buffer, offset, length, position) {
      if (position >= file.size) return 0;
      if (position < window.at || position + length > window.at + window.bytes.length) {
        const end = Math.min(file.size, position + Math.max(length, 4 << 20));
        window.bytes = new Uint8Array(new FileReaderSync().readAsArrayBuffer(file.slice(position, end)));
        window.at = position;
      }
      const from = position - window.at;
      const count = Math.min(length, window.bytes.length - from);
      buffer.set(window.bytes.subarray(from, from + count), offset);
      module.bytesRead = Math.max(module.bytesRead, position + count);
      return count;
    };
    // The arguments go through the module's heap: a pasted factor may be megabytes long.
    const heapText = (text) => {
      const size = module.lengthBytesUTF8(text) + 1;
      const at = module._malloc(size);
      module.stringToUTF8(text, at, size);
      return at;
    };
    // The worker's messages are UTF-8 whatever the page's code page.
    module.ccall('gb_set_code_page', null, ['string'], ['UTF-8']);
    for (const arg of args) {
      const at = heapText(arg);
      module._gb_batch_argument(at);
      module._free(at);
    }
    const result = module._gb_batch_run();
    send();
    self.postMessage({ progress: { rows: done(), read: file.size } });
    self.postMessage({ done: true, status: result & 255, complete: result >= 256, rows: done() });
  }
}
