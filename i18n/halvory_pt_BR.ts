<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 combos</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1% de equity</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4 · %5</source>
        <translation>%1 · %2 · %3 · %4 · %5</translation>
    </message>
    <message numerus="yes">
        <source>%n combo(s)</source>
        <translation>
            <numerusform>%n combo</numerusform>
            <numerusform>%n combos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Settings could not be saved: %1 is not writable</source>
        <translation>Não foi possível salvar as configurações: %1 não pode ser gravado</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 cannot be read</source>
        <translation>Não foi possível salvar as configurações: %1 não pode ser lido</translation>
    </message>
    <message>
        <source>Settings could not be read: %1 cannot be read</source>
        <translation>Não foi possível ler as configurações: %1 não pode ser lido</translation>
    </message>
    <message>
        <source>Settings could not be saved: no space left for %1</source>
        <translation>Não foi possível salvar as configurações: não há espaço para %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1 is in use by another copy of the program</source>
        <translation>Não foi possível salvar as configurações: %1 está em uso por outra cópia do programa</translation>
    </message>
    <message>
        <source>Settings could not be saved: the lock file %1 cannot be made or read</source>
        <translation>Não foi possível salvar as configurações: o arquivo de bloqueio %1 não pode ser criado nem lido</translation>
    </message>
    <message>
        <source>Invalid file URL.</source>
        <translation>URL de arquivo inválida.</translation>
    </message>
    <message>
        <source>Only local files are supported.</source>
        <translation>Somente arquivos locais são suportados.</translation>
    </message>
    <message>
        <source>Empty file path.</source>
        <translation>Caminho de arquivo vazio.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>File is too large (%1 bytes).</source>
        <translation>O arquivo é grande demais (%1 bytes).</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>O arquivo não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>URL de arquivo inválida ou não local</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Caminho de arquivo vazio</translation>
    </message>
    <message>
        <source>Cannot load a project while a solve is running</source>
        <translation>Não é possível carregar um projeto durante uma resolução</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Falha ao abrir o arquivo</translation>
    </message>
    <message>
        <source>Project file is too large</source>
        <translation>O arquivo do projeto é grande demais</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>JSON inválido</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Formato de projeto não reconhecido</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Versão de projeto não suportada</translation>
    </message>
    <message>
        <source>Invalid project data: %1 %2</source>
        <translation>Dados de projeto inválidos: %1 %2</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Falha ao abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Falha ao salvar o arquivo: %1</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Não está pronto: primeiro informe um board válido</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Não está pronto: selecione pelo menos uma mão em cada range</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Não está pronto: preencha o sizing de OOP e o de IP</translation>
    </message>
    <message>
        <source>Not ready: %1</source>
        <translation>Não está pronto: %1</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>RAM insuficiente para resolver (mesmo após limpar os resultados anteriores)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Waiting for the previous solve to stop...</source>
        <translation>Aguardando a resolução anterior parar...</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Nenhuma configuração de resolução anterior (resolva uma vez primeiro)</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Falha na resolução: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Projeto carregado (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy node(s)</source>
        <translation>
            <numerusform>%n nó de estratégia</numerusform>
            <numerusform>%n nós de estratégia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo node(s)</source>
        <translation>
            <numerusform>%n nó de combos</numerusform>
            <numerusform>%n nós de combos</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>não é um objeto</translation>
    </message>
    <message>
        <source>is not a whole number of iterations</source>
        <translation>não é um número inteiro de iterações</translation>
    </message>
    <message>
        <source>has %1 nodes, but the tree&apos;s action lists have %2</source>
        <translation>tem %1 nós, mas as listas de ações da árvore têm %2</translation>
    </message>
    <message>
        <source>holds no node</source>
        <translation>não contém nenhum nó</translation>
    </message>
    <message>
        <source>has %1 actions, but the tree&apos;s first node has %2</source>
        <translation>tem %1 ações, mas o primeiro nó da árvore tem %2</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>não é uma lista</translation>
    </message>
    <message>
        <source>is not a board of up to five cards</source>
        <translation>não é um board de até cinco cartas</translation>
    </message>
    <message>
        <source>holds &apos;%1&apos;, which is not a card</source>
        <translation>contém “%1”, que não é uma carta</translation>
    </message>
    <message>
        <source>holds %1 twice</source>
        <translation>contém %1 duas vezes</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Invalid rank character &apos;%1&apos;</source>
        <translation>Caractere de valor inválido “%1”</translation>
    </message>
    <message>
        <source>Invalid suit character &apos;%1&apos;</source>
        <translation>Caractere de naipe inválido “%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card: a card is two characters</source>
        <translation>“%1” não é uma carta: uma carta tem dois caracteres</translation>
    </message>
    <message>
        <source>The flop must be exactly three cards</source>
        <translation>O flop deve ter exatamente três cartas</translation>
    </message>
    <message>
        <source>Flop cards must be unique</source>
        <translation>As cartas do flop devem ser diferentes</translation>
    </message>
    <message>
        <source>Flop cards must be defined</source>
        <translation>Todas as cartas do flop devem estar definidas</translation>
    </message>
    <message>
        <source>Flop contains a card not in the selected deck variant</source>
        <translation>O flop contém uma carta que não está no baralho escolhido</translation>
    </message>
    <message>
        <source>Turn card not in the selected deck variant</source>
        <translation>A carta do turn não está no baralho escolhido</translation>
    </message>
    <message>
        <source>Turn conflicts with flop</source>
        <translation>A carta do turn já está no flop</translation>
    </message>
    <message>
        <source>River card not in the selected deck variant</source>
        <translation>A carta do river não está no baralho escolhido</translation>
    </message>
    <message>
        <source>River conflicts with existing cards</source>
        <translation>A carta do river já está no board</translation>
    </message>
    <message>
        <source>River cannot be dealt without a turn</source>
        <translation>Não pode haver river sem turn</translation>
    </message>
    <message>
        <source>Weight string is empty</source>
        <translation>Falta o peso depois dos dois-pontos</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is not a number</source>
        <translation>O peso “%1” não é um número</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; is out of range</source>
        <translation>O peso “%1” está fora dos limites</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; contains invalid characters</source>
        <translation>O peso “%1” contém caracteres inválidos</translation>
    </message>
    <message>
        <source>Weight must be within [0, 1]</source>
        <translation>O peso deve estar entre 0 e 1</translation>
    </message>
    <message>
        <source>Empty combo</source>
        <translation>Mão vazia</translation>
    </message>
    <message>
        <source>Invalid combo pattern length</source>
        <translation>Comprimento de mão inválido</translation>
    </message>
    <message>
        <source>Invalid suitedness suffix</source>
        <translation>Sufixo suited/offsuit inválido</translation>
    </message>
    <message>
        <source>First rank must be &gt;= second rank</source>
        <translation>O primeiro valor deve ser maior ou igual ao segundo</translation>
    </message>
    <message>
        <source>Pair cannot have suitedness suffix</source>
        <translation>Um par não pode ter sufixo suited/offsuit</translation>
    </message>
    <message>
        <source>Duplicate cards are not allowed</source>
        <translation>Não são permitidas cartas repetidas</translation>
    </message>
    <message>
        <source>Pair cannot be suited/offsuit</source>
        <translation>Um par não pode ser suited/offsuit</translation>
    </message>
    <message>
        <source>Expected trailing &apos;+&apos;</source>
        <translation>Esperava-se um “+” no final</translation>
    </message>
    <message>
        <source>Expected &apos;-&apos; in range</source>
        <translation>Esperava-se um “-” no intervalo</translation>
    </message>
    <message>
        <source>Suitedness mismatch in range</source>
        <translation>As duas pontas do intervalo diferem em suited/offsuit</translation>
    </message>
    <message>
        <source>Unsupported range expression</source>
        <translation>Intervalo não suportado</translation>
    </message>
    <message>
        <source>Missing range expression</source>
        <translation>Falta a mão antes dos dois-pontos</translation>
    </message>
    <message>
        <source>Invalid percent range &apos;%1&apos; (expected like &apos;50%&apos;)</source>
        <translation>Porcentagem inválida “%1” (esperado como “50%”)</translation>
    </message>
    <message>
        <source>The range is empty once the board&apos;s cards are taken out</source>
        <translation>Sem as cartas do board, não sobra nenhuma mão do range</translation>
    </message>
    <message>
        <source>Empty bet size token</source>
        <translation>Tamanho vazio</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a number</source>
        <translation>Não é possível ler “%1” como número</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a whole number</source>
        <translation>Não é possível ler “%1” como número inteiro</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large</source>
        <translation>“%1” é grande demais</translation>
    </message>
    <message>
        <source>A multiple of the bet (x) is only for raises</source>
        <translation>Um múltiplo da aposta (x) vale só para raises</translation>
    </message>
    <message>
        <source>A raise multiple must exceed 1.0x</source>
        <translation>Um múltiplo de raise deve ser maior que 1.0x</translation>
    </message>
    <message>
        <source>Raise cap is only valid for raises</source>
        <translation>O limite de raises vale só para raises</translation>
    </message>
    <message>
        <source>Raise cap must end with &apos;r&apos;</source>
        <translation>O limite de raises deve terminar em “r”</translation>
    </message>
    <message>
        <source>Raise cap must be positive</source>
        <translation>O limite de raises deve ser positivo</translation>
    </message>
    <message>
        <source>Geometric streets must be positive</source>
        <translation>O número de streets geométricas deve ser positivo</translation>
    </message>
    <message>
        <source>invalid token &apos;%&apos;. Use numbers like &apos;33, 75&apos; or &apos;33%, 75%&apos;</source>
        <translation>valor inválido “%”. Use números como “33, 75” ou “33%, 75%”</translation>
    </message>
    <message>
        <source>invalid token &apos;%1&apos;</source>
        <translation>valor inválido “%1”</translation>
    </message>
    <message>
        <source>unknown deck variant &apos;%1&apos; (use holdem or shortdeck)</source>
        <translation>variante de baralho desconhecida “%1” (use holdem ou shortdeck)</translation>
    </message>
    <message>
        <source>Board must include at least a flop</source>
        <translation>O board deve incluir pelo menos um flop</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 3, 4 or 5 cards</source>
        <translation>“%1” não são 3, 4 ou 5 cartas</translation>
    </message>
    <message>
        <source>%1 cards do not fit the starting street %2, which needs %3</source>
        <translation>%1 cartas não servem para a street inicial %2, que precisa de %3</translation>
    </message>
    <message>
        <source>must be above 0</source>
        <translation>deve ser maior que 0</translation>
    </message>
    <message>
        <source>must be between 0 and 100</source>
        <translation>deve estar entre 0 e 100</translation>
    </message>
    <message>
        <source>must be 0 (no cap) or more</source>
        <translation>deve ser 0 (sem teto) ou mais</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>deve ser um número</translation>
    </message>
    <message>
        <source>must be from 0 to 1000</source>
        <translation>deve estar entre 0 e 1000</translation>
    </message>
    <message>
        <source>must be at least 1 chip</source>
        <translation>deve ser de pelo menos 1 ficha</translation>
    </message>
    <message>
        <source>cannot be negative</source>
        <translation>não pode ser negativo</translation>
    </message>
    <message>
        <source>ICM mode requires a stack for both players</source>
        <translation>O modo ICM exige um stack para os dois jogadores</translation>
    </message>
    <message>
        <source>ICM mode requires payouts</source>
        <translation>O modo ICM exige a premiação</translation>
    </message>
    <message>
        <source>ICM mode requires stack sizes for all payout places (%1 places paid, %2 players)</source>
        <translation>O modo ICM exige stacks para todas as posições premiadas (%1 posições pagas, %2 jogadores)</translation>
    </message>
    <message>
        <source>Too many paid places for the chip model: %1 paid, at most %3 with %2 players</source>
        <translation>Lugares pagos demais para o modelo de fichas: %1 pagos, no máximo %3 com %2 jogadores</translation>
    </message>
    <message>
        <source>Starting pot and effective stack must not be negative</source>
        <translation>O pote inicial e o stack efetivo não podem ser negativos</translation>
    </message>
    <message>
        <source>Starting pot plus twice the effective stack is too large</source>
        <translation>O pote inicial mais o dobro do stack efetivo é grande demais</translation>
    </message>
    <message>
        <source>Betting tree too deep: more than %1 actions on one line of play (use larger bet and raise sizes, or a raise cap)</source>
        <translation>Árvore de jogo profunda demais: mais de %1 ações numa linha de jogo (use bets e raises maiores ou um limite de raises)</translation>
    </message>
    <message>
        <source>Betting tree too large: more than %1 nodes (use fewer bet and raise sizes)</source>
        <translation>Árvore de jogo grande demais: mais de %1 nós (use menos tamanhos de bet e raise)</translation>
    </message>
    <message>
        <source>The solve produced values that are not finite numbers; check the range weights, pot and stack</source>
        <translation>A resolução produziu valores que não são números finitos; verifique os pesos do range, o pote e o stack</translation>
    </message>
    <message>
        <source>Not enough memory to finish the solve</source>
        <translation>Memória insuficiente para concluir a resolução</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Iterações</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card of this deck</source>
        <translation>“%1” não é uma carta deste baralho</translation>
    </message>
    <message>
        <source>must be %1 or more</source>
        <translation>deve ser %1 ou mais</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>deve ser no máximo %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write it without a separator</source>
        <translation>“%1” pode significar %2 ou %3: escreva sem separador</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator</source>
        <translation>“%1” pode significar %2 ou %3: escreva %3 sem separador</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2 or %3</source>
        <translation>“%1” pode significar %2 ou %3: escreva %2 ou %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %2</source>
        <translation>“%1” pode significar %2 ou %3: escreva %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %4 for %2</source>
        <translation>“%1” pode significar %2 ou %3: escreva %4 para %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3: write %3 without a separator, or %4 for %2</source>
        <translation>“%1” pode significar %2 ou %3: escreva %3 sem separador, ou %4 para %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than 2 decimals</source>
        <translation>“%1” tem mais de 2 casas decimais</translation>
    </message>
    <message>
        <source>is longer than five cards</source>
        <translation>é mais longo que cinco cartas</translation>
    </message>
    <message>
        <source>must be at most 100 % of the pot</source>
        <translation>deve ser no máximo 100 % do pote</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a street</source>
        <translation>“%1” não é uma street</translation>
    </message>
    <message>
        <source>%1 is &apos;%2&apos;, neither true nor false</source>
        <translation>%1 é “%2”, nem true nem false</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>aparece duas vezes</translation>
    </message>
    <message>
        <source>is not covered by the checksums</source>
        <translation>não é coberto pelas somas de verificação</translation>
    </message>
    <message>
        <source>A project file is being written or read already</source>
        <translation>Um arquivo de projeto já está sendo gravado ou lido</translation>
    </message>
    <message>
        <source>%1: not in the short deck, left out</source>
        <translation>%1: não está no short deck, deixado de fora</translation>
    </message>
    <message>
        <source>Weight &apos;%1&apos; has a decimal comma: write %2</source>
        <translation>O peso “%1” tem vírgula decimal: escreva %2</translation>
    </message>
    <message>
        <source>Range text is too long: %1 characters (at most %2)</source>
        <translation>O texto do range é longo demais: %1 caracteres (no máximo %2)</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulação</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>quebra de linha</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>espaço não separável</translation>
    </message>
    <message>
        <source>byte order mark</source>
        <translation>marca de ordem de bytes</translation>
    </message>
    <message>
        <source>zero-width space</source>
        <translation>espaço de largura zero</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>hífen condicional</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>caractere de controle</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espaço</translation>
    </message>
    <message>
        <source>invisible character</source>
        <translation>caractere invisível</translation>
    </message>
    <message>
        <source>Not enough memory to open the project</source>
        <translation>Memória insuficiente para abrir o projeto</translation>
    </message>
    <message>
        <source>Not enough memory to start the solve</source>
        <translation>Memória insuficiente para iniciar a resolução</translation>
    </message>
    <message>
        <source>Not enough memory to switch the language</source>
        <translation>Memória insuficiente para mudar o idioma</translation>
    </message>
    <message>
        <source>Not enough memory to check for updates</source>
        <translation>Memória insuficiente para verificar atualizações</translation>
    </message>
    <message>
        <source>Not enough memory to download the update</source>
        <translation>Memória insuficiente para baixar a atualização</translation>
    </message>
    <message>
        <source>Not enough memory to install the update</source>
        <translation>Memória insuficiente para instalar a atualização</translation>
    </message>
    <message>
        <source>Not enough memory to open the download page</source>
        <translation>Memória insuficiente para abrir a página de download</translation>
    </message>
    <message>
        <source>Not enough memory to clear the update information</source>
        <translation>Memória insuficiente para limpar as informações de atualização</translation>
    </message>
    <message>
        <source>Not enough memory to change the update address</source>
        <translation>Memória insuficiente para alterar o endereço de atualizações</translation>
    </message>
    <message>
        <source>Not enough memory to open the file dialog</source>
        <translation>Memória insuficiente para abrir a janela de arquivos</translation>
    </message>
    <message>
        <source>Not enough memory to close the file dialog</source>
        <translation>Memória insuficiente para fechar a janela de arquivos</translation>
    </message>
    <message>
        <source>Not enough memory to estimate this solve</source>
        <translation>Memória insuficiente para estimar esta resolução</translation>
    </message>
    <message>
        <source>Not enough memory to read the range</source>
        <translation>Memória insuficiente para ler o range</translation>
    </message>
    <message>
        <source>Not enough memory to save the file</source>
        <translation>Memória insuficiente para salvar o arquivo</translation>
    </message>
    <message>
        <source>Not enough memory to open the file</source>
        <translation>Memória insuficiente para abrir o arquivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could mean %2 or %3</source>
        <translation>“%1” pode significar %2 ou %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be one number or two: a blank after each comma, no thousands separator</source>
        <translation>“%1” pode ser um número ou dois: um espaço após cada vírgula, sem separador de milhar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not above 0</source>
        <translation>“%1” não é maior que 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is more than %2</source>
        <translation>“%1” é mais que %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the project</source>
        <translation>Não há espaço suficiente no disco para o projeto</translation>
    </message>
    <message>
        <source>Permission denied: this folder may not be written to</source>
        <translation>Permissão negada: não é possível gravar nesta pasta</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be read</source>
        <translation>Permissão negada: não é possível ler este arquivo</translation>
    </message>
    <message>
        <source>Not enough memory to save the project</source>
        <translation>Memória insuficiente para salvar o projeto</translation>
    </message>
    <message>
        <source>Distributions unavailable (no live solve state).</source>
        <translation>Distribuições indisponíveis (nenhuma resolução na memória).</translation>
    </message>
    <message>
        <source>Invalid node index.</source>
        <translation>Índice de nó inválido.</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <source>Permission denied: this file may not be written to</source>
        <translation>Permissão negada: não é possível gravar neste arquivo</translation>
    </message>
    <message>
        <source>refers to a node outside the tree</source>
        <translation>aponta para um nó fora da árvore</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>não é um número finito</translation>
    </message>
    <message>
        <source>has %1 entries for a node with %2 actions</source>
        <translation>tem %1 entradas para um nó com %2 ações</translation>
    </message>
    <message>
        <source>has %1 entries, more than the %2 hands of a node</source>
        <translation>tem %1 entradas, mais que as %2 mãos de um nó</translation>
    </message>
    <message>
        <source>the set-up</source>
        <translation>o cenário</translation>
    </message>
    <message>
        <source>the solution</source>
        <translation>o resultado do cálculo</translation>
    </message>
    <message>
        <source>a node's saved answer</source>
        <translation>um resultado salvo de um nó</translation>
    </message>
    <message>
        <source>a node lock</source>
        <translation>um bloqueio de nó</translation>
    </message>
    <message>
        <source>the solve configuration</source>
        <translation>o ajuste do cálculo</translation>
    </message>
    <message>
        <source>the list of checksums</source>
        <translation>o registro das somas de verificação</translation>
    </message>
    <message>
        <source>The project file is damaged (cut short)</source>
        <translation>O arquivo do projeto está danificado (cortado)</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>O arquivo do projeto está danificado</translation>
    </message>
    <message>
        <source>The project file is damaged: %1 %2</source>
        <translation>O arquivo do projeto está danificado: %1 %2</translation>
    </message>
    <message>
        <source>The file would not open again: %1 %2</source>
        <translation>O arquivo não poderia ser aberto novamente: %1 %2</translation>
    </message>
    <message>
        <source>This is not a Pellaris project</source>
        <translation>Isto não é um projeto do Pellaris</translation>
    </message>
</context>
<context>
    <name>ChanceCardPicker</name>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
    <message>
        <source>✕</source>
        <translation>✕</translation>
    </message>
</context>
<context>
    <name>FileProgressPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>straight flush</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>quadra</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full house</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>flush</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>sequência</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>trinca</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>dois pares</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>par superior</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>par do meio</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>par inferior</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>par seco</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>projeto de flush</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>flush perdido</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>projeto de sequência aberta</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>sequência aberta perdida</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>gutshot</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>gutshot perdido</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>projeto de flush backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>nada</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Fev</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>The project could not be saved to %1. Check that the folder exists and that it may be written to.</source>
        <translation>Não foi possível salvar o projeto em %1. Verifique se a pasta existe e se é possível gravar nela.</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Sem controlador</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>Não foi possível abrir %1:
%2</translation>
    </message>
    <message>
        <source>Pellaris Project (*.pellarisproj)</source>
        <translation>Projeto do Pellaris (*.pellarisproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salvar projeto</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir projeto</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Limpar estatísticas de Jogar vs. solução</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Limpar todas as estatísticas de Jogar vs. solução (hoje + total)?</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (futuro)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Resoluções: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Iter. médias: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Expl. média: %1</translation>
    </message>
    <message>
        <source>Solve Activity</source>
        <translation>Atividade de resolução</translation>
    </message>
    <message>
        <source>Last 6 months</source>
        <translation>Últimos 6 meses</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>A modern, high-performance holdem solver</source>
        <translation>Um solver de holdem moderno e de alto desempenho</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nova resolução</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Solve history</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Total solves</source>
        <translation>Total de resoluções</translation>
    </message>
    <message>
        <source>Solves this week</source>
        <translation>Resoluções na semana</translation>
    </message>
    <message>
        <source>Average run time</source>
        <translation>Duração média</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Pellaris Core</source>
        <translation>Pellaris Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 disponíveis</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 livres)</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jogar vs. solução</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Mãos (hoje / total)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Precisão (hoje / total)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Perda média de EV (hoje / total)</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Configure board, ranges e árvore</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Resolução rápida</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Ajustes padrão</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importar range</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Carregar de arquivo</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Ações rápidas</translation>
    </message>
    <message>
        <source>%1
Daily: %2
Total: %3
Avg runtime: %4</source>
        <translation>%1
No dia: %2
Total: %3
Duração média: %4</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Solves over time</source>
        <translation>Resoluções no tempo</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diário</translation>
    </message>
    <message>
        <source>No solves yet</source>
        <translation>Nenhuma resolução ainda</translation>
    </message>
    <message>
        <source>Project saved to %1</source>
        <translation>Projeto salvo em %1</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Alguns valores não foram carregados</translation>
    </message>
    <message>
        <source>%1 was opened without these values, which their fields do not take:
%2</source>
        <translation>%1 foi aberto sem estes valores, que seus campos não aceitam:
%2</translation>
    </message>
    <message>
        <source>Saving project…</source>
        <translation>Salvando o projeto…</translation>
    </message>
    <message>
        <source>Opening project…</source>
        <translation>Abrindo o projeto…</translation>
    </message>
    <message>
        <source>The project could not be saved to %1:
%2</source>
        <translation>Não foi possível salvar o projeto em %1:
%2</translation>
    </message>
    <message>
        <source>Replace File?</source>
        <translation>Substituir o arquivo?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this project?</source>
        <translation>%1 já existe. Substituí-lo por este projeto?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PlayingCard</name>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Informe um nome.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Selecione um perfil.</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Ranges padrão</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Ranges da população</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Ranges próprios</translation>
    </message>
    <message>
        <source>No rake</source>
        <translation>Sem rake</translation>
    </message>
    <message>
        <source>50nl rake</source>
        <translation>Rake 50nl</translation>
    </message>
    <message>
        <source>100nl rake</source>
        <translation>Rake 100nl</translation>
    </message>
    <message>
        <source>200nl rake</source>
        <translation>Rake 200nl</translation>
    </message>
    <message>
        <source>500nl rake</source>
        <translation>Rake 500nl</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Fold</translation>
    </message>
    <message>
        <source>RFI</source>
        <translation>RFI</translation>
    </message>
    <message>
        <source>3bet</source>
        <translation>3bet</translation>
    </message>
    <message>
        <source>4bet</source>
        <translation>4bet</translation>
    </message>
    <message>
        <source>6-max</source>
        <translation>6-max</translation>
    </message>
    <message>
        <source>Heads up</source>
        <translation>Heads-up</translation>
    </message>
    <message>
        <source>vs RFI</source>
        <translation>vs RFI</translation>
    </message>
    <message>
        <source>vs 3bet</source>
        <translation>vs 3bet</translation>
    </message>
    <message>
        <source>vs 4bet</source>
        <translation>vs 4bet</translation>
    </message>
    <message>
        <source>6-max, %1</source>
        <translation>6-max, %1</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>vs %1 RFI</source>
        <translation>vs %1 RFI</translation>
    </message>
    <message>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs %2 3bet</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet vs %2 4bet</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Limp</source>
        <translation>Limp</translation>
    </message>
    <message>
        <source>Limp-call</source>
        <translation>Limp-call</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Call raise</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Check back</translation>
    </message>
    <message>
        <source>3b</source>
        <translation>3b</translation>
    </message>
    <message>
        <source>4b</source>
        <translation>4b</translation>
    </message>
    <message>
        <source>Call 3b</source>
        <translation>Call 3b</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>Call 4b</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>3b cold call</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Bomb pot</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Regs mais fracos</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Reg mais tight</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Reg mais loose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Nit</source>
        <translation>Nit</translation>
    </message>
    <message>
        <source>Overfolder</source>
        <translation>Overfolder</translation>
    </message>
    <message>
        <source>%1 (VPIP %2)</source>
        <translation>%1 (VPIP %2)</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Passivo</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Passivo tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Passivo neutro</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Passivo loose</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Loose extremo</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose agressivo</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>LAG padrão</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maníaco</translation>
    </message>
    <message>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Falha na exportação: appController.saveTextFile indisponível.</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Falha na exportação: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Exportar ranges da população</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Exportar ranges padrão</translation>
    </message>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Falha na importação: appController.readTextFile indisponível.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Falha na importação: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Falha na importação: o arquivo não contém mãos reconhecíveis.</translation>
    </message>
    <message>
        <source>Import failed: the file&apos;s weights are all zero.</source>
        <translation>Falha na importação: todos os pesos do arquivo são zero.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Nenhum conteúdo de range para importar.</translation>
    </message>
    <message>
        <source>Game variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Switch to Holdem</source>
        <translation>Mudar para Holdem</translation>
    </message>
    <message>
        <source>Switch to Short Deck</source>
        <translation>Mudar para Short Deck</translation>
    </message>
    <message>
        <source>Utility model</source>
        <translation>Modelo de utilidade</translation>
    </message>
    <message>
        <source>Switch to Cash</source>
        <translation>Mudar para cash</translation>
    </message>
    <message>
        <source>Switch to ICM</source>
        <translation>Mudar para ICM</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Select card</source>
        <translation>Escolher carta</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Carta do flop</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carta do turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carta do river</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Limpar carta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Game Settings</source>
        <translation>Ajustes de jogo</translation>
    </message>
    <message>
        <source>Pot size</source>
        <translation>Tamanho do pote</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pote inicial</translation>
    </message>
    <message>
        <source>e.g., 100.0</source>
        <translation>ex.: 100.0</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack efetivo</translation>
    </message>
    <message>
        <source>OOP stack</source>
        <translation>Stack OOP</translation>
    </message>
    <message>
        <source>e.g., 1000</source>
        <translation>ex.: 1000</translation>
    </message>
    <message>
        <source>IP stack</source>
        <translation>Stack IP</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Premiação</translation>
    </message>
    <message>
        <source>Enter comma-separated payout amounts for each paid place, in finishing order. Example: 50, 30, 20</source>
        <translation>Informe o prêmio de cada posição paga, separados por vírgula, na ordem de colocação. Exemplo: 50, 30, 20</translation>
    </message>
    <message>
        <source>e.g., 50, 30, 20</source>
        <translation>ex.: 50, 30, 20</translation>
    </message>
    <message>
        <source>Other stack sizes</source>
        <translation>Outros stacks</translation>
    </message>
    <message>
        <source>Enter comma-separated stack sizes for the remaining players only, excluding OOP and IP. Example: 1200, 800, 400</source>
        <translation>Informe, separados por vírgula, apenas os stacks dos demais jogadores, sem incluir OOP e IP. Exemplo: 1200, 800, 400</translation>
    </message>
    <message>
        <source>e.g., 1200, 800, 400</source>
        <translation>ex.: 1200, 800, 400</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>ex.: 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Cap de rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>ex.: 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Explorabilidade-alvo (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>ex.: 0.10</translation>
    </message>
    <message>
        <source>1%</source>
        <translation>1%</translation>
    </message>
    <message>
        <source>0.5%</source>
        <translation>0.5%</translation>
    </message>
    <message>
        <source>0.1%</source>
        <translation>0.1%</translation>
    </message>
    <message>
        <source>Project Setup</source>
        <translation>Configuração do projeto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Falta configurar</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM necessária: %1</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>RAM disponível: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Continuar para Resolver →</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Limpar sobrescritas padrão</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Limpar todos os ranges padrão sobrescritos localmente para %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Limpar sobrescritas da população</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Limpar todos os ranges da população sobrescritos localmente para %1?</translation>
    </message>
    <message>
        <source>Short Deck</source>
        <translation>Short Deck</translation>
    </message>
    <message>
        <source>Holdem</source>
        <translation>Holdem</translation>
    </message>
    <message>
        <source>ICM</source>
        <translation>ICM</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save Settings Profile</source>
        <translation>Salvar perfil de ajustes</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nome do perfil:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>ex.: 100bb sem rake (rápido)</translation>
    </message>
    <message>
        <source>Load Settings Profile</source>
        <translation>Carregar perfil de ajustes</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Escolha um perfil salvo:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Nenhum perfil salvo ainda.</translation>
    </message>
    <message>
        <source>The saved settings profiles are damaged and cannot be read. The damaged text is set aside when a profile is saved.</source>
        <translation>Os perfis de ajustes salvos estão danificados e não podem ser lidos. O texto danificado é deixado de lado ao salvar um perfil.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Excluir perfil de ajustes</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Tem certeza de que deseja excluir este perfil salvo?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>OOP Range</source>
        <translation>Range OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Range IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex.: AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Salvar range IP</translation>
    </message>
    <message>
        <source>Save OOP range</source>
        <translation>Salvar range OOP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nome do range:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>ex.: BTN vs BB (padrão)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Nova pasta (IP)</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Nova pasta (OOP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nome da pasta:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>ex.: BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importar range</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Texto de range (*.txt)</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>ex.: BTN open (próprio)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Excluir range</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Nenhum range ainda.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Exportar padrão…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Exportar população…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Limpar sobrescritas…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Salvar range atual…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importar range…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Nova pasta…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Excluir seleção…</translation>
    </message>
    <message>
        <source>OOP Sizing</source>
        <translation>Sizing OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Sizing IP</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Bet sizes (%)</source>
        <translation>Bets (%)</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Raises (%)</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Incluir all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Sem donk</translation>
    </message>
    <message>
        <source>Copy OOP settings</source>
        <translation>Copiar ajustes do OOP</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>Incluir all-in se o jam for menor que</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>ex.: 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% do pote</translation>
    </message>
    <message numerus="yes">
        <source>This will also delete %n range(s). This cannot be undone.</source>
        <translation>
            <numerusform>Isso também excluirá %n range. Esta ação não pode ser desfeita.</numerusform>
            <numerusform>Isso também excluirá %n ranges. Esta ação não pode ser desfeita.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solve RAM: measuring…</source>
        <translation>RAM necessária: medindo…</translation>
    </message>
    <message>
        <source>none (ICM)</source>
        <translation>nenhum (ICM)</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Medindo…</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Não pronto</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: “%2”</translation>
    </message>
    <message>
        <source>Whole numbers only: &quot;%1&quot; was not stored.</source>
        <translation>Apenas números inteiros: “%1” não foi salvo.</translation>
    </message>
    <message>
        <source>Too many decimals: &quot;%1&quot; was not stored.</source>
        <translation>Casas decimais demais: “%1” não foi salvo.</translation>
    </message>
    <message>
        <source>Enter a number from %1 to %2: &quot;%3&quot; was not stored.</source>
        <translation>Digite um número de %1 a %2: “%3” não foi salvo.</translation>
    </message>
    <message>
        <source>Empty: the value was kept.</source>
        <translation>Vazio: o valor foi mantido.</translation>
    </message>
    <message>
        <source>Not a number: &quot;%1&quot; was not stored.</source>
        <translation>Não é um número: “%1” não foi salvo.</translation>
    </message>
    <message>
        <source>The solver cannot read this range: %1</source>
        <translation>O solver não consegue ler este range: %1</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Excluir pasta</translation>
    </message>
    <message>
        <source>Failed to load bundled presets.</source>
        <translation>Não foi possível carregar as predefinições incluídas.</translation>
    </message>
    <message>
        <source>Failed to load bundled standard presets (resource file missing/empty).</source>
        <translation>Não foi possível carregar as predefinições padrão incluídas (arquivo de recursos ausente ou vazio).</translation>
    </message>
    <message>
        <source>Failed to load bundled presets: %1</source>
        <translation>Não foi possível carregar as predefinições incluídas: %1</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>O range atual está vazio.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Jogador desconhecido.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Digite um nome de pasta.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Tem certeza de que deseja excluir esta pasta?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Tem certeza de que deseja excluir este range?</translation>
    </message>
    <message>
        <source>No sign, please: &quot;%1&quot; was not stored.</source>
        <translation>Sem sinal, por favor: “%1” não foi salvo.</translation>
    </message>
    <message>
        <source>Write the number out without an exponent: &quot;%1&quot; was not stored.</source>
        <translation>Escreva o número sem expoente: “%1” não foi salvo.</translation>
    </message>
    <message>
        <source>One decimal separator at most: &quot;%1&quot; was not stored.</source>
        <translation>No máximo um separador decimal: “%1” não foi salvo.</translation>
    </message>
    <message>
        <source>The profile “%1” was loaded without these values, which their fields do not take:
%2</source>
        <translation>O perfil “%1” foi carregado sem estes valores, que seus campos não aceitam:
%2</translation>
    </message>
    <message>
        <source>Some Values Not Loaded</source>
        <translation>Alguns valores não foram carregados</translation>
    </message>
    <message>
        <source>Range to store (%1 combos):</source>
        <translation>Range a ser salvo (%1 combos):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write whole chips without a separator.</source>
        <translation>“%1” pode significar %2 ou %3, então não foi salvo: escreva fichas inteiras sem separador.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator, or %4 for %2.</source>
        <translation>“%1” pode significar %2 ou %3, então não foi salvo: escreva %3 sem separador, ou %4 para %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %3 without a separator.</source>
        <translation>“%1” pode significar %2 ou %3, então não foi salvo: escreva %3 sem separador.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2 or %3.</source>
        <translation>“%1” pode significar %2 ou %3, então não foi salvo: escreva %2 ou %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %2.</source>
        <translation>“%1” pode significar %2 ou %3, então não foi salvo: escreva %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored: write %4 for %2.</source>
        <translation>“%1” pode significar %2 ou %3, então não foi salvo: escreva %4 para %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could mean %2 or %3, so it was not stored.</source>
        <translation>“%1” pode significar %2 ou %3, então não foi salvo.</translation>
    </message>
</context>
<context>
    <name>ProjectRangeLibrary</name>
    <message>
        <source>The saved Custom ranges are damaged and cannot be read. The damaged text is set aside when a range is saved.</source>
        <translation>Os ranges próprios salvos estão danificados e não podem ser lidos. O texto danificado é deixado de lado ao salvar um range.</translation>
    </message>
    <message>
        <source>The saved overrides of this library are damaged and cannot be read. The damaged text is set aside when an override is saved or the overrides are cleared.</source>
        <translation>As sobrescritas salvas desta biblioteca estão danificadas e não podem ser lidas. O texto danificado é deixado de lado ao salvar uma sobrescrita ou ao limpar as sobrescritas.</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex.: AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n mão</numerusform>
            <numerusform>%n mãos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
    <message>
        <source>Best for OOP</source>
        <translation>Melhor para OOP</translation>
    </message>
    <message>
        <source>Best for IP</source>
        <translation>Melhor para IP</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carta do turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carta do river</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jogar vs. solução</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Papel: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Escolha um papel para começar</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Jogar como OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Jogar com ambos</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Jogar como IP</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Clique em Turn/River para trocar</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Outra mão</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Buckets</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 exibidas</translation>
    </message>
    <message>
        <source> combos</source>
        <translation> combos</translation>
    </message>
    <message>
        <source>Distributions</source>
        <translation>Distribuições</translation>
    </message>
    <message>
        <source>Equity by hand</source>
        <translation>Equity por mão</translation>
    </message>
    <message>
        <source>EV by hand</source>
        <translation>EV por mão</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>OOP</source>
        <translation>OOP</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2%</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>OOP: %1    IP: %2</source>
        <translation>OOP: %1    IP: %2</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Equity</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Computing distributions…</source>
        <translation>Calculando distribuições…</translation>
    </message>
    <message>
        <source>Distributions unavailable.</source>
        <translation>Distribuições indisponíveis.</translation>
    </message>
    <message>
        <source>Hand Details</source>
        <translation>Detalhes das mãos</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Buscar (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Carregando combos…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Nenhum combo para exibir neste nó.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Nenhum combo corresponde aos filtros atuais.</translation>
    </message>
    <message>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pote</translation>
    </message>
    <message>
        <source>Stack (%1)</source>
        <translation>Stack (%1)</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>Para pagar</translation>
    </message>
    <message>
        <source>These results are for %1; the set-up has changed since: solve again to see it</source>
        <translation>Estes resultados são para %1; a configuração mudou desde então: resolva de novo para vê-la</translation>
    </message>
    <message>
        <source>Rake taken</source>
        <translation>Rake cobrado</translation>
    </message>
    <message>
        <source>SPR</source>
        <translation>SPR</translation>
    </message>
    <message>
        <source>Pot odds</source>
        <translation>Pot odds</translation>
    </message>
    <message>
        <source>Node-Locking</source>
        <translation>Bloqueio de nós</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>O bloqueio de nós só está disponível em nós de decisão.</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mista</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequência</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>freq.</translation>
    </message>
    <message>
        <source>Reset locks</source>
        <translation>Limpar bloqueios</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Recalcular</translation>
    </message>
    <message>
        <source>Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.</source>
        <translation>Dica: informe as frequências acima e depois clique em uma célula da matriz para aplicar a estratégia mista.</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Dica: selecione uma ação acima e depois clique em uma célula da matriz para bloqueá-la.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Play vs. Solution EV (cumulative)</source>
        <translation>Jogar vs. solução: EV acumulado</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Ótimo</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Mão %1</translation>
    </message>
    <message>
        <source>Optimal: %1</source>
        <translation>Ótimo: %1</translation>
    </message>
    <message>
        <source>Actual: %1</source>
        <translation>Real: %1</translation>
    </message>
    <message>
        <source>Hand EV: %1 (opt) / %2 (act)</source>
        <translation>EV da mão: %1 (ót.) / %2 (real)</translation>
    </message>
    <message>
        <source>Hand EV: —</source>
        <translation>EV da mão: —</translation>
    </message>
    <message>
        <source>Strategy View</source>
        <translation>Visão da estratégia</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Visão de range</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Jogar vs. solução</translation>
    </message>
    <message>
        <source>EV (OOP)</source>
        <translation>EV (OOP)</translation>
    </message>
    <message>
        <source>EV (IP)</source>
        <translation>EV (IP)</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Explorabilidade</translation>
    </message>
    <message>
        <source>Action Frequencies</source>
        <translation>Frequências das ações</translation>
    </message>
    <message>
        <source>Strategy by Hand</source>
        <translation>Estratégia por mão</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Modo padrão</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Modo bloqueio</translation>
    </message>
    <message>
        <source>Game Tree</source>
        <translation>Árvore de jogo</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Carta do %1</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Available actions</source>
        <translation>Ações disponíveis</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 opções</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mãos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Vencedor: %1</translation>
    </message>
    <message>
        <source>Won: %1   Rake: %2</source>
        <translation>Ganho: %1   Rake: %2</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV perdido: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Incorreto: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Correto: %1</translation>
    </message>
    <message>
        <source>Hand Log</source>
        <translation>Histórico de mãos</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Parar treino</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Treinar spot</translation>
    </message>
    <message>
        <source>Preflop</source>
        <translation>Pré-flop</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n mão</numerusform>
            <numerusform>%n mãos</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfeito</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correto</translation>
    </message>
    <message>
        <source>Wrong — best: %1</source>
        <translation>Errado — melhor: %1</translation>
    </message>
    <message>
        <source>Wrong — best: %1 (%2)</source>
        <translation>Errado — melhor: %1 (%2)</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
    <message>
        <source>Stopped on a mistake</source>
        <translation>Interrompida em um erro</translation>
    </message>
    <message>
        <source>both seats</source>
        <translation>ambos os lugares</translation>
    </message>
    <message>
        <source>Click River to change</source>
        <translation>Clique em River para trocar</translation>
    </message>
    <message>
        <source>Solve this spot again to play: its solution is not in memory.</source>
        <translation>Resolva este spot de novo para jogar: a solução dele não está na memória.</translation>
    </message>
    <message>
        <source>Not kept in this project: solve the spot again to see this node</source>
        <translation>Não guardado neste projeto: resolva o spot novamente para ver este nó</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Escolher carta do river</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Escolher carta do turn</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponível</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dourado</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Install update?</source>
        <translation>Instalar atualização?</translation>
    </message>
    <message>
        <source>Pellaris will close to install the update. Continue?</source>
        <translation>O Pellaris será fechado para instalar a atualização. Continuar?</translation>
    </message>
    <message>
        <source>The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?</source>
        <translation>A atualização será baixada e a pasta que a contém será aberta; o Pellaris continua aberto. Continuar?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salvar ajustes</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Modo escuro</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Usar esquema de cores escuro em toda a interface</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Altera o idioma do app (aplicado imediatamente)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Cor de destaque</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personalize a cor de destaque do app (botões, realces, paus/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>Licenças</translation>
    </message>
    <message>
        <source>Qt Framework</source>
        <translation>Framework Qt</translation>
    </message>
    <message>
        <source>Runtime (dynamic linking)</source>
        <translation>Runtime (vinculação dinâmica)</translation>
    </message>
    <message>
        <source>LGPL v3</source>
        <translation>LGPL v3</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Os avisos de terceiros e os textos das licenças estão na pasta &apos;licenses&apos;, ao lado do executável.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Abrir pasta de licenças</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Abrir avisos</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Current version: %1</source>
        <translation>Versão atual: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecida</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Última verificação: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Atualização disponível: %1</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <translation>Nenhuma atualização disponível.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Baixada</translation>
    </message>
    <message>
        <source>Downloading: %1%</source>
        <translation>Baixando: %1%</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Baixando…</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Atualizando…</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Instalar atualização</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>No program could open it here. Its location:</source>
        <translation>Nenhum programa conseguiu abri-lo aqui. Local:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>ShellNavigation</name>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Visão geral e ações rápidas</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, ranges, árvore</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Rodar o solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Explorar estratégias</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Pellaris</source>
        <translation>Pellaris</translation>
    </message>
    <message>
        <source>Poker Solver</source>
        <translation>Solver de poker</translation>
    </message>
    <message>
        <source>v0.1.0 dev</source>
        <translation>v0.1.0 dev</translation>
    </message>
</context>
<context>
    <name>SolvePage</name>
    <message>
        <source>Ready to solve</source>
        <translation>Pronto para resolver</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Starting solver…</source>
        <translation>Iniciando o solver…</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalizando…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteração %1 | explorabilidade=%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em execução</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: sem donk no flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: sem donk no turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: sem donk no river</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: incluir all-in no flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: incluir all-in no turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: incluir all-in no river</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: incluir all-in no flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: incluir all-in no turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: incluir all-in no river</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: incluir all-in se o jam for &lt; %1% do pote</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: incluir all-in se o jam for &lt; %1% do pote</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iterações %1 • Alvo %2% (≈ %3) • Threads %4</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Rode o solver CFR e acompanhe o progresso em tempo real.</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>CPU threads utilized</source>
        <translation>Threads de CPU em uso</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Pote / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (cap %2)</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Sizings de bet</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Opções ativadas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Resolvendo...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Ver resultados →</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Medindo...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>The solver has finished iterating; the results are being finalised.</source>
        <translation>O solver terminou as iterações; os resultados estão sendo finalizados.</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Janela %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iterações: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Decorrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>iter./s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Explorabilidade</translation>
    </message>
    <message>
        <source>Recent Runs</source>
        <translation>Execuções recentes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Nenhuma execução ainda — clique em Resolver para registrar uma aqui.</translation>
    </message>
    <message numerus="yes">
        <source>Max, %n thread(s)</source>
        <translation>
            <numerusform>Máx., %n thread</numerusform>
            <numerusform>Máx., %n threads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thread(s)</source>
        <translation>
            <numerusform>%n thread</numerusform>
            <numerusform>%n threads</numerusform>
        </translation>
    </message>
    <message>
        <source>to target</source>
        <translation>até a meta</translation>
    </message>
    <message>
        <source>to limit</source>
        <translation>até o limite</translation>
    </message>
    <message>
        <source>%1 · OOP bet %2 / raise %3 · IP bet %4 / raise %5</source>
        <translation>%1 · OOP aposta %2 / aumento %3 · IP aposta %4 / aumento %5</translation>
    </message>
    <message>
        <source>Stacks</source>
        <translation>Stacks</translation>
    </message>
    <message>
        <source>OOP %1 · IP %2</source>
        <translation>OOP %1 · IP %2</translation>
    </message>
</context>
<context>
    <name>SolveProgress</name>
    <message>
        <source>Init: building game object...</source>
        <translation>Início: criando o objeto do jogo…</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Início: criando as estruturas da árvore do jogo…</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Início: iniciando o solver…</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalizando: calculando os resultados…</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalizando: criando o instantâneo dos resultados…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability≈%2</source>
        <translation>Iteração %1 | explorabilidade≈%2</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em execução</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Iniciando</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicializando</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Resolvendo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Preencha board, ranges e sizings para habilitar Resolver</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Rode uma resolução para habilitar Resultados</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Setup</source>
        <translation>Inicie um novo projeto (ou carregue um) em Início para habilitar Configuração</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Bet %1</source>
        <translation>Bet %1</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation>Raise %1</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Fold</translation>
    </message>
    <message>
        <source>All-in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pote: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Freq.: %1%</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV: %1%2</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Carta de turn aleatória</translation>
    </message>
    <message>
        <source>Random river card</source>
        <translation>Carta de river aleatória</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>A URL de atualização não está configurada.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Falha ao verificar atualizações: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Resposta de atualização inválida (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Nenhuma URL de download disponível.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Falha ao criar o arquivo de download.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Falha no download: %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Falha ao finalizar o arquivo de download (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Nenhuma atualização baixada está pronta para instalar.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>O arquivo do instalador baixado não foi encontrado.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Falha ao iniciar o instalador.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Nenhuma atualização disponível.</translation>
    </message>
    <message>
        <source>No downloadable update: the download URL is not an http or https address.</source>
        <translation>Nenhuma atualização para baixar: a URL de download não é um endereço http ou https.</translation>
    </message>
    <message>
        <source>the file is larger than the limit of %1 MB</source>
        <translation>o arquivo excede o limite de %1 MB</translation>
    </message>
</context>
</TS>
