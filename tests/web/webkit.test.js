import { engineSuite } from './engine_suite.js';
import { startWebKit } from './webkit_driver.js';

engineSuite('WebKit', startWebKit);
