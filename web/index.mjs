// The Node entry of the package: the page's WebAssembly module, loaded
// once, and its API (README.md).
import createModule from './kelpworth_module.mjs';
import { kelpworthApi } from './kelpworth_api.mjs';

const api = kelpworthApi(await createModule());

export const {
  stampOfMoment, readStamp, formsOfStamp, convertLines, hostZone, knownZone,
} = api;
export default api;
